#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Texts in a failed expectation read as texts, lists of them too.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pekuru::test {

// Writes `text` as CP932 (LF turned into CR LF unless `keepLineEnds`), creating folders as needed.
void writeCp932(const QString& path, const QString& text, bool keepLineEnds = false);
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
// Copies every file below `from` to the same place below `to`.
void copyFolder(const QString& from, const QString& to);
// A Linux tool run to its end (at most two minutes): from the Windows build under Wine through the
// suite's bridge (PEKURU_HOST_BRIDGE), else as a process of its own.
struct HostRun {
    bool started = false;
    int exitCode = -1;
    QByteArray out, err;
    QString error;  // why it did not start or end
    bool ok() const { return started && error.isEmpty() && exitCode == 0; }
};
HostRun runHostProgram(const QString& program, const QStringList& args);
// What the tool wrote; on a failure, a text "<program failed: …>" that no expectation matches.
QString runProgram(const QString& program, const QStringList& args);

// A classroom laid out as in real use: a common folder with the program folder "tiles" inside it
// and 音フォルダ beside it, holding valid settings, a level table of four lines, a roster and a sound
// list (its wave files are not there).
class Classroom {
  public:
    Classroom();
    bool isValid() const { return dir_.isValid(); }

    QString common() const;         // …/classroom (no trailing separator)
    QString programFolder() const;  // …/classroom/tiles
    QString commonFile(const QString& name) const { return common() + QLatin1Char('/') + name; }
    QString programFile(const QString& name) const { return programFolder() + QLatin1Char('/') + name; }

    void writeSettings(const QString& firstValue = QStringLiteral("0"));
    void writeCommon(const QString& text);
    void writeLevelTable(const QString& text);
    void writeRoster(const QString& text);
    QString soundFolder() const { return common() + QStringLiteral("/音フォルダ"); }
    void writeSoundList(const QString& text);

  private:
    QTemporaryDir dir_;
};

}  // namespace pekuru::test
