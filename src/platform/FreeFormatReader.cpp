#include "platform/FreeFormatReader.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"

namespace pekuru {

FreeFormatReader FreeFormatReader::open(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw ProgramError(ProgramError::FileNotFound,
                           QStringLiteral("ファイル『%1』が見つかりません。").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ProgramError(ProgramError::PathFileAccess,
                           QStringLiteral("ファイル『%1』を開けません (%2)。").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ProgramError(ProgramError::DeviceIo,
                           QStringLiteral("ファイル『%1』を読めません (%2)。").arg(path, file.errorString()));
    return FreeFormatReader(bytes, path);
}

FreeFormatReader::FreeFormatReader(const QByteArray& bytes, QString fileName)
    : fileName_(std::move(fileName)), text_(cp932::decode(bytes, fileName_)) {}

void FreeFormatReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == QLatin1Char(' ') || text_[pos_] == QLatin1Char('\t')))
        ++pos_;
}

bool FreeFormatReader::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == QLatin1Char('\r') || text_[pos_] == QLatin1Char('\n'));
}

void FreeFormatReader::consumeLineEnd() {
    if (text_[pos_] == QLatin1Char('\r')) {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) ++pos_;
    } else {
        ++pos_;
    }
    ++line_;
}

bool FreeFormatReader::atEnd() {
    if (afterComma_) return false;  // a trailing comma still owes an (empty) value
    for (;;) {
        skipBlanks();
        if (pos_ >= text_.size()) return true;
        if (!atLineEnd()) return false;
        consumeLineEnd();
    }
}

int FreeFormatReader::nextLine() {
    (void)atEnd();
    return line_;
}

FreeValue FreeFormatReader::next() {
    if (atEnd()) {
        throw ProgramError(ProgramError::InputPastEnd,
                           QStringLiteral("%1で値が足りません: ファイルの終わりを越えて読もうとしました。")
                               .arg(describePlace(fileName_, line_)));
    }
    skipBlanks();
    FreeValue value;
    value.line = line_;
    afterComma_ = false;
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
        value.quoted = true;
        const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
        if (close < 0) {
            throw ProgramError(ProgramError::InputPastEnd,
                               QStringLiteral("%1の値 %2 に閉じる「\"」がありません。")
                                   .arg(describePlace(fileName_, value.line), text_.mid(pos_, 30)));
        }
        value.text = text_.mid(pos_ + 1, close - pos_ - 1);
        line_ += int(value.text.count(QLatin1Char('\n')));
        pos_ = close + 1;
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !atLineEnd()) {
            throw ProgramError(
                ProgramError::TypeMismatch,
                QStringLiteral("%1: 「\"%2\"」の後に区切り (, または改行) がなく「%3」が続いています。")
                    .arg(describePlace(fileName_, line_), value.text, text_.mid(pos_, 10)));
        }
    } else {
        qsizetype end = pos_;
        while (end < text_.size() && text_[end] != QLatin1Char(',') && text_[end] != QLatin1Char('\r') &&
               text_[end] != QLatin1Char('\n'))
            ++end;
        value.text = text_.mid(pos_, end - pos_);
        while (!value.text.isEmpty() &&
               (value.text.back() == QLatin1Char(' ') || value.text.back() == QLatin1Char('\t')))
            value.text.chop(1);
        pos_ = end;
    }
    if (pos_ >= text_.size()) {
        value.endsLine = true;
    } else if (text_[pos_] == QLatin1Char(',')) {
        ++pos_;
        afterComma_ = true;
    } else {
        consumeLineEnd();
        value.endsLine = true;
    }
    return value;
}

double FreeFormatReader::toNumber(const FreeValue& v, const QString& expected) const {
    if (v.text.trimmed().isEmpty()) return 0;  // an empty value reads as zero
    const auto n = parseDecimal(v.text);
    if (!n) {
        throw ProgramError(ProgramError::TypeMismatch,
                           QStringLiteral("%1の値「%2」は数ではありません (%3 が必要です)。")
                               .arg(describePlace(fileName_, v.line), v.text, expected));
    }
    return *n;
}

std::int64_t FreeFormatReader::toInteger(const FreeValue& v, std::int64_t low, std::int64_t high,
                                         const QString& expected) const {
    const double n = toNumber(v, expected);
    // Integers take a number rounded half to even, as the platform's conversion does.
    const double rounded = std::nearbyint(n);
    if (!(rounded >= double(low) && rounded <= double(high))) {
        throw ProgramError(ProgramError::Overflow,
                           QStringLiteral("%1の値「%2」は範囲外です (%3: %4 から %5 まで)。")
                               .arg(describePlace(fileName_, v.line), v.text, expected)
                               .arg(low)
                               .arg(high));
    }
    return std::int64_t(rounded);
}

std::int16_t FreeFormatReader::toInt16(const FreeValue& v) const {
    return std::int16_t(toInteger(v, std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max(), QStringLiteral("16ビット整数")));
}

std::int32_t FreeFormatReader::toInt32(const FreeValue& v) const {
    return std::int32_t(toInteger(v, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max(), QStringLiteral("32ビット整数")));
}

float FreeFormatReader::toSingle(const FreeValue& v) const {
    const QString expected = QStringLiteral("単精度実数");
    const double n = toNumber(v, expected);
    if (std::fabs(n) > double(std::numeric_limits<float>::max())) {
        throw ProgramError(ProgramError::Overflow,
                           QStringLiteral("%1の値「%2」は範囲外です (%3)。")
                               .arg(describePlace(fileName_, v.line), v.text, expected));
    }
    return float(n);
}

Variant FreeFormatReader::toVariant(const FreeValue& v) {
    if (v.quoted) return Variant::text(v.text);
    if (v.text.isEmpty()) return Variant();
    if (const auto n = parseDecimal(v.text)) return Variant::number(*n);
    return Variant::text(v.text);
}

QString FreeFormatReader::readText() { return next().text; }
std::int16_t FreeFormatReader::readInt16() { return toInt16(next()); }
std::int32_t FreeFormatReader::readInt32() { return toInt32(next()); }
float FreeFormatReader::readSingle() { return toSingle(next()); }
Variant FreeFormatReader::readVariant() { return toVariant(next()); }

}  // namespace pekuru
