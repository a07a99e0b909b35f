#include "platform/Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/ProgramError.h"

namespace pekuru::cp932 {
namespace {

const char* const kCodecName = "CP932";

int lineOfOffset(const QByteArray& bytes, qsizetype offset) {
    return 1 + int(std::count(bytes.begin(), bytes.begin() + std::min(offset, bytes.size()), '\n'));
}

QString codePoint(QStringView ch) {
    return QStringLiteral("U+%1").arg(ch.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString decode(const QByteArray& bytes, const QString& file) {
    // Decode piecewise so that the first undecodable byte can be named with its line.
    QStringDecoder decoder(kCodecName, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        throw ProgramError(ProgramError::DeviceIo,
                           QStringLiteral("文字コード CP932 (シフトJIS) が使えません。"));
    QString text = decoder.decode(bytes);
    if (!decoder.hasError()) return text;
    // Find the failing position by decoding growing prefixes line by line.
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0) lineEnd = bytes.size();
        QStringDecoder probe(kCodecName, QStringDecoder::Flag::Stateless);
        (void)QString(probe.decode(QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart)));
        if (probe.hasError()) break;
        lineStart = lineEnd + 1;
    }
    throw ProgramError(ProgramError::InvalidCharacter,
                       QStringLiteral("%1に シフトJIS (CP932) として読めない文字があります。")
                           .arg(describePlace(file, lineOfOffset(bytes, lineStart))));
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView ch = QStringView(text).sliced(i, len);
        QStringEncoder one(kCodecName, QStringEncoder::Flag::Stateless);
        (void)QByteArray(one.encode(ch));
        if (one.hasError()) return ch.toString();
        i += len;
    }
    return {};
}

bool canEncode(const QString& text) {
    QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
    (void)QByteArray(encoder.encode(text));
    return !encoder.hasError();
}

QByteArray encode(const QString& text, const QString& file) {
    QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        throw ProgramError(ProgramError::DeviceIo,
                           QStringLiteral("文字コード CP932 (シフトJIS) が使えません。"));
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) return bytes;
    const QString bad = firstUnencodable(text);
    const int line = 1 + int(text.left(text.indexOf(bad)).count(QLatin1Char('\n')));
    throw ProgramError(ProgramError::InvalidCharacter,
                       QStringLiteral("%1に書こうとした文字「%2」(%3) は シフトJIS (CP932) で表せません。")
                           .arg(describePlace(file, line), bad, codePoint(bad)));
}

}  // namespace pekuru::cp932
