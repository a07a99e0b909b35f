// CP932 through Qt's ICU codec (Debian's Qt is built with ICU; "CP932" is Microsoft's table, with
// ①②, Ⅰ, ｽﾀｰﾄ and the NEC and IBM rows).
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/Cp932Codec.h"

namespace pekuru::cp932::host {

namespace {
const char* const kCodecName = "CP932";
}

bool available() { return QStringDecoder(kCodecName).isValid(); }

std::optional<QString> decode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<QByteArray> encode(QStringView text) {
    QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError()) return std::nullopt;
    return bytes;
}

}  // namespace pekuru::cp932::host
