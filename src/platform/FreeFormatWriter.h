#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pekuru {

// The "write" form of the free format: texts in double quotes, numbers bare, values separated by
// commas, lines ended by CR LF, encoded in CP932. A text that CP932 cannot hold, or that holds a
// double quote or a line break (which the format cannot carry inside quotes and read back), is an
// error, never a silent substitution.
class FreeFormatWriter {
  public:
    explicit FreeFormatWriter(QString fileName) : fileName_(std::move(fileName)) {}

    FreeFormatWriter& text(const QString& value);
    FreeFormatWriter& integer(std::int64_t value);
    FreeFormatWriter& single(float value);
    FreeFormatWriter& endLine();

    const QString& content() const { return content_; }
    // The bytes to store; throws ProgramError when a character has no CP932 form.
    QByteArray bytes() const;
    // Replaces the file atomically: the old file stays whole until the new one is complete.
    void saveTo(const QString& path) const;

  private:
    void separator();

    QString fileName_;
    QString content_;
    bool lineStarted_ = false;
    int line_ = 1;
};

}  // namespace pekuru
