#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QtEndian>
#include <bit>
#include <cstdint>

namespace pekuru {

constexpr int kSeisekiRecLength = 44;
constexpr int kKateiRecLength = 66;

// Date values as other programs of the suite store them: days since 30 December 1899 as a double,
// the time of day as the fraction of a day.
double dateValue(QDate date);
double timeOfDayValue(double secondsSinceMidnight);  // whole seconds, as a fraction of a day
QDate dateFromValue(double value);                   // invalid for values out of range or NaN

// A text as a fixed-width field: CP932 bytes, blank-padded, cut before a character that would not
// fit whole (never half of a double-byte character). Characters with no CP932 form are not
// expected here (the start-up checks the texts that go into records) and become blanks.
QByteArray fixedCp932(const QString& text, int width);

// One attempt as the shared result file holds it.
struct SeisekiRec {
    double hiduke = 0;  // date value, whole days
    double jikoku = 0;  // time of day, fraction only
    std::int16_t bangou = 0;
    std::int16_t level = 0;
    std::int32_t time = 0;
    QString code;  // classroom code, five bytes
};
QByteArray encode(const SeisekiRec& r);
// Reads the numeric fields of a record (the texts are not read back).
SeisekiRec decodeSeisekiRec(const char* bytes);

// The numeric fields of a shared record, read in place. The reload reads 20000 of these at a time,
// so this stays inline and carries no text.
struct SeisekiNumbers {
    double hiduke;
    double jikoku;
    std::int16_t bangou;
    std::int16_t level;
    std::int32_t time;
};
inline SeisekiNumbers decodeSeisekiNumbers(const char* p) {
    return {std::bit_cast<double>(qFromLittleEndian<quint64>(p + 0)),
            std::bit_cast<double>(qFromLittleEndian<quint64>(p + 8)), qFromLittleEndian<qint16>(p + 16),
            qFromLittleEndian<qint16>(p + 18), qFromLittleEndian<qint32>(p + 20)};
}

// One attempt as the home-use result file holds it.
struct KateiRec {
    QString folderName;  // the program folder's name with a trailing "\", as the suite writes it
    double hiduke = 0;
    double jikoku = 0;
    std::int16_t bangou = 0;
    std::int16_t level = 0;
    std::int32_t time = 0;
    QString code;
};
QByteArray encode(const KateiRec& r);

}  // namespace pekuru
