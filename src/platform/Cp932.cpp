// The strict conversions and their messages, the same on every host; the conversion itself is the
// host's (Cp932Codec.h).
#include "platform/Cp932.h"

#include <QList>
#include <algorithm>

#include "platform/Cp932Codec.h"
#include "platform/ProgramError.h"

namespace pekuru::cp932 {
namespace {

int lineOfOffset(const QByteArray& bytes, qsizetype offset) {
    return 1 + int(std::count(bytes.begin(), bytes.begin() + std::min(offset, bytes.size()), '\n'));
}

QString codePoint(QStringView ch) {
    return QStringLiteral("U+%1").arg(ch.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
}

[[noreturn]] void unavailable() {
    throw ProgramError(ProgramError::DeviceIo, QStringLiteral("文字コード CP932 (シフトJIS) が使えません。"));
}

qsizetype characterLength(const QString& text, qsizetype i) {
    return (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
}

}  // namespace

QString decode(const QByteArray& bytes, const QString& file) {
    if (!host::available()) unavailable();
    if (std::optional<QString> text = host::decode(bytes)) return *std::move(text);
    // Find the first line that does not decode, so that the message can name it. A line break is
    // never the second byte of a double-byte character, so lines decode on their own.
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0) lineEnd = bytes.size();
        if (!host::decode(QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart))) break;
        lineStart = lineEnd + 1;
    }
    throw ProgramError(ProgramError::InvalidCharacter,
                       QStringLiteral("%1に シフトJIS (CP932) として読めない文字があります。")
                           .arg(describePlace(file, lineOfOffset(bytes, lineStart))));
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = characterLength(text, i);
        const QStringView ch = QStringView(text).sliced(i, len);
        if (!host::encode(ch)) return ch.toString();
        i += len;
    }
    return {};
}

bool canEncode(const QString& text) { return host::encode(text).has_value(); }

std::optional<QByteArray> tryEncode(QStringView text) { return host::encode(text); }

QByteArray encode(const QString& text, const QString& file) {
    if (!host::available()) unavailable();
    if (std::optional<QByteArray> bytes = host::encode(text)) return *std::move(bytes);
    const QString bad = firstUnencodable(text);
    const int line = 1 + int(text.left(text.indexOf(bad)).count(QLatin1Char('\n')));
    throw ProgramError(ProgramError::InvalidCharacter,
                       QStringLiteral("%1に書こうとした文字「%2」(%3) は シフトJIS (CP932) で表せません。")
                           .arg(describePlace(file, line), bad, codePoint(bad)));
}

}  // namespace pekuru::cp932
