#include "records/RecordFormat.h"

#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>

#include "platform/Cp932.h"

namespace pekuru {

namespace {

const QDate kEpoch(1899, 12, 30);

void putDouble(char* p, double v) { qToLittleEndian<quint64>(std::bit_cast<quint64>(v), p); }
void putInt16(char* p, std::int16_t v) { qToLittleEndian<qint16>(v, p); }
void putInt32(char* p, std::int32_t v) { qToLittleEndian<qint32>(v, p); }
void putText(char* p, const QString& text, int width) {
    const QByteArray b = fixedCp932(text, width);
    std::memcpy(p, b.constData(), std::size_t(width));
}

}  // namespace

double dateValue(QDate date) { return double(kEpoch.daysTo(date)); }

double timeOfDayValue(double secondsSinceMidnight) {
    const double whole = std::floor(secondsSinceMidnight);
    return (whole < 0 ? 0 : whole >= 86400 ? 86399 : whole) / 86400.0;
}

QDate dateFromValue(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6) return {};
    return kEpoch.addDays(qint64(std::floor(value)));
}

QByteArray fixedCp932(const QString& text, int width) {
    QByteArray out;
    out.reserve(width);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray ch = cp932::tryEncode(QStringView(text).sliced(i, len)).value_or(QByteArray(1, ' '));
        if (out.size() + ch.size() > width) break;
        out += ch;
        i += len;
    }
    out.append(width - out.size(), ' ');
    return out;
}

QByteArray encode(const SeisekiRec& r) {
    QByteArray b(kSeisekiRecLength, '\0');
    char* p = b.data();
    putDouble(p + 0, r.hiduke);
    putDouble(p + 8, r.jikoku);
    putInt16(p + 16, r.bangou);
    putInt16(p + 18, r.level);
    putInt32(p + 20, r.time);
    putText(p + 24, r.code, 5);
    putText(p + 29, QString(), 5);
    putText(p + 34, QStringLiteral("0"), 5);
    // 39..43: five zero bytes
    return b;
}

SeisekiRec decodeSeisekiRec(const char* p) {
    const SeisekiNumbers n = decodeSeisekiNumbers(p);
    SeisekiRec r;
    r.hiduke = n.hiduke;
    r.jikoku = n.jikoku;
    r.bangou = n.bangou;
    r.level = n.level;
    r.time = n.time;
    return r;
}

QByteArray encode(const KateiRec& r) {
    QByteArray b(kKateiRecLength, '\0');
    char* p = b.data();
    putText(p + 0, r.folderName, 20);
    putInt16(p + 20, 0);
    putDouble(p + 22, r.hiduke);
    putDouble(p + 30, r.jikoku);
    putInt16(p + 38, r.bangou);
    putInt16(p + 40, r.level);
    putInt32(p + 42, r.time);
    putText(p + 46, r.code, 5);
    // 51..65: three five-byte fields of zero bytes
    return b;
}

}  // namespace pekuru
