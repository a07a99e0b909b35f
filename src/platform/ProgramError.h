#pragma once

#include <QString>
#include <exception>

namespace pekuru {

// Ends the program: a message for the user, then a non-zero exit. Thrown from anywhere below an
// event handler or start-up and caught in one place (PekuruApplication), after the stack has unwound,
// so that no file is left half-written.
class ProgramExit : public std::exception {
  public:
    enum class Icon { Critical, Information };
    ProgramExit(QString title, QString text, Icon icon = Icon::Critical, int exitCode = 1)
        : title_(std::move(title)), text_(std::move(text)), icon_(icon), exitCode_(exitCode) {}

    const QString& title() const { return title_; }
    const QString& text() const { return text_; }
    Icon icon() const { return icon_; }
    int exitCode() const { return exitCode_; }
    const char* what() const noexcept override;

  private:
    QString title_;
    QString text_;
    Icon icon_;
    int exitCode_;
    mutable QByteArray what_;
};

// The run-time error report: a numbered error with a description that names the file, the line,
// the value and what was expected. The numbers follow the classic BASIC run-time error numbers
// so that a teacher who reports "エラー 53" is understood.
class ProgramError : public ProgramExit {
  public:
    enum Number {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        BadFileName = 52,
        FileNotFound = 53,
        InputPastEnd = 62,
        PermissionDenied = 70,
        PathFileAccess = 75,
        DeviceIo = 57,
        InvalidCharacter = 93,
    };
    ProgramError(int number, const QString& description);
    int number() const { return number_; }
    const QString& description() const { return description_; }

    static QString titleText();

  private:
    int number_;
    QString description_;
};

// Names a place in a file for messages: "『…/生徒用名簿.txt』の 3 行目".
QString describePlace(const QString& file, int line);

}  // namespace pekuru
