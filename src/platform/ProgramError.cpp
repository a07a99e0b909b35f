#include "platform/ProgramError.h"

namespace pekuru {

const char* ProgramExit::what() const noexcept {
    what_ = (title_ + QStringLiteral(": ") + text_).toUtf8();
    return what_.constData();
}

QString ProgramError::titleText() { return QStringLiteral("ペクル - 実行時エラー"); }

ProgramError::ProgramError(int number, const QString& description)
    : ProgramExit(titleText(), QStringLiteral("実行時エラー '%1':\n\n%2").arg(number).arg(description)),
      number_(number),
      description_(description) {}

QString describePlace(const QString& file, int line) {
    if (line <= 0) return QStringLiteral("『%1』").arg(file);
    return QStringLiteral("『%1』の %2 行目").arg(file).arg(line);
}

}  // namespace pekuru
