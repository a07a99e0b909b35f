#include "platform/FreeFormatWriter.h"

#include <QSaveFile>
#include <cmath>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"

namespace pekuru {

void FreeFormatWriter::separator() {
    if (lineStarted_) content_ += QLatin1Char(',');
    lineStarted_ = true;
}

FreeFormatWriter& FreeFormatWriter::text(const QString& value) {
    if (value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\r')) ||
        value.contains(QLatin1Char('\n'))) {
        throw ProgramError(
            ProgramError::InvalidCharacter,
            QStringLiteral("%1に書こうとした文字列「%2」には「\"」か改行が含まれていて、書けません。")
                .arg(describePlace(fileName_, line_), value));
    }
    separator();
    content_ += QLatin1Char('"') + value + QLatin1Char('"');
    return *this;
}

FreeFormatWriter& FreeFormatWriter::integer(std::int64_t value) {
    separator();
    content_ += QString::number(value);
    return *this;
}

FreeFormatWriter& FreeFormatWriter::single(float value) {
    separator();
    // Shortest text that reads back to the same single-precision value.
    QString t = QString::number(double(value), 'g', 7);
    for (int digits = 1; digits <= 9; ++digits) {
        const QString candidate = QString::number(double(value), 'g', digits);
        if (candidate.toFloat() == value) {
            t = candidate;
            break;
        }
    }
    content_ += t;
    return *this;
}

FreeFormatWriter& FreeFormatWriter::endLine() {
    content_ += QStringLiteral("\r\n");
    lineStarted_ = false;
    ++line_;
    return *this;
}

QByteArray FreeFormatWriter::bytes() const { return cp932::encode(content_, fileName_); }

void FreeFormatWriter::saveTo(const QString& path) const {
    const QByteArray data = bytes();  // fails before anything is touched
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw ProgramError(
            ProgramError::PathFileAccess,
            QStringLiteral("ファイル『%1』に書き込めません (%2)。").arg(path, file.errorString()));
    }
    if (file.write(data) != data.size() || !file.commit()) {
        throw ProgramError(
            ProgramError::DeviceIo,
            QStringLiteral("ファイル『%1』を書き終えられませんでした (%2)。元のファイルはそのままです。")
                .arg(path, file.errorString()));
    }
}

}  // namespace pekuru
