#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <stdexcept>

namespace pekuru::test {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    f.write(bytes);
}

void writeCp932(const QString& path, const QString& text, bool keepLineEnds) {
    QString t = text;
    if (!keepLineEnds)
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QStringEncoder enc("CP932");
    const QByteArray bytes = enc.encode(t);
    if (enc.hasError()) throw std::runtime_error("test text not in CP932");
    writeBytes(path, bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

Classroom::Classroom() {
    QDir().mkpath(programFolder());
    QDir().mkpath(common() + QStringLiteral("/音フォルダ"));
    writeSettings();
    writeCommon(QStringLiteral("4,\"12345テスト教室\",0,0,0,0,0,0,0,0\n"));
    writeLevelTable(
        QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0\n"
                       "60,120,100,5,1,0,0,7,1,0,0,0\n"
                       "90,180,150,5,1.2,0,0,7,1,0,0,0\n"
                       "150,300,200,5,1.5,0,0,7,1,0,0,0\n"));
    writeRoster(QStringLiteral(
        "1,2016,0,0,\"はなこ              \",0,\"                    \",\"                    \"\n"));
    writeSoundList(QStringLiteral("正解音2\npinpon1\n*\n間違い音2\nbubu1\n*\n"));
}

QString Classroom::common() const { return dir_.path() + QStringLiteral("/classroom"); }
QString Classroom::programFolder() const { return common() + QStringLiteral("/tiles"); }

void Classroom::writeSettings(const QString& firstValue) {
    writeCp932(programFile(QStringLiteral("設定.txt")), firstValue + QStringLiteral(",0,0,0,0,0,0,0,0,0\n"));
}
void Classroom::writeCommon(const QString& text) {
    writeCp932(commonFile(QStringLiteral("共通データ.txt")), text);
}
void Classroom::writeLevelTable(const QString& text) {
    writeCp932(programFile(QStringLiteral("タイム回数データ.txt")), text);
}
void Classroom::writeSoundList(const QString& text) {
    writeCp932(soundFolder() + QStringLiteral("/新音ファイル.txt"), text);
}
void Classroom::writeRoster(const QString& text) {
    writeCp932(commonFile(QStringLiteral("生徒用名簿.txt")), text);
}

QString runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace pekuru::test
