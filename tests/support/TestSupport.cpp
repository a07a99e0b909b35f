#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <stdexcept>

#include "platform/Cp932.h"

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
    // The program's own conversion, which Windows has without ICU.
    const std::optional<QByteArray> bytes = cp932::tryEncode(t);
    if (!bytes) throw std::runtime_error("test text not in CP932");
    writeBytes(path, *bytes);
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

void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) throw std::runtime_error("cannot copy a test file");
    }
}

namespace {

// Under Wine a Windows program cannot start a Linux one: the suite's runner keeps a bridge that
// does it (tests/windows/host-bridge.py) and names its folder in PEKURU_HOST_BRIDGE.
HostRun runThroughBridge(const QString& bridge, const QString& program, const QStringList& args) {
    static int serial = 0;
    const QString id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    const QString base = bridge + QLatin1Char('/') + id;
    // The tools that ask the print spooler need to know which one: the test's own (with-cupsd.sh).
    QJsonObject environment;
    const QProcessEnvironment here = QProcessEnvironment::systemEnvironment();
    for (const QString& name : here.keys())
        if (name.startsWith(QStringLiteral("CUPS_")) || name.startsWith(QStringLiteral("PEKURU_CUPS_")))
            environment.insert(name, here.value(name));
    QJsonObject request{{QStringLiteral("program"), program},
                        {QStringLiteral("arguments"), QJsonArray::fromStringList(args)},
                        {QStringLiteral("environment"), environment}};
    writeBytes(base + QStringLiteral(".tmp"), QJsonDocument(request).toJson());
    HostRun run;
    if (!QFile::rename(base + QStringLiteral(".tmp"), base + QStringLiteral(".request"))) {
        run.error = QStringLiteral("cannot hand the request to the bridge in ") + bridge;
        return run;
    }
    QElapsedTimer waited;
    waited.start();
    const QString answerPath = base + QStringLiteral(".answer");
    while (!QFileInfo::exists(answerPath)) {
        if (waited.elapsed() > 150000) {
            run.error = QStringLiteral("the bridge in %1 did not answer within 150 s").arg(bridge);
            return run;
        }
        QThread::msleep(20);
    }
    const QJsonObject answer = QJsonDocument::fromJson(readBytes(answerPath)).object();
    QFile::remove(answerPath);
    run.started = true;
    run.exitCode = answer.value(QStringLiteral("exit")).toInt(-1);
    run.out = QByteArray::fromBase64(answer.value(QStringLiteral("stdout")).toString().toLatin1());
    run.err = QByteArray::fromBase64(answer.value(QStringLiteral("stderr")).toString().toLatin1());
    return run;
}

}  // namespace

HostRun runHostProgram(const QString& program, const QStringList& args) {
    const QString bridge = qEnvironmentVariable("PEKURU_HOST_BRIDGE");
    if (!bridge.isEmpty()) return runThroughBridge(bridge, program, args);
    HostRun run;
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(60000)) {
        run.error = p.errorString();
        return run;
    }
    run.started = true;
    if (!p.waitForFinished(120000)) {
        run.error = QStringLiteral("did not end within 120 s");
        p.kill();
        p.waitForFinished();
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

QString runProgram(const QString& program, const QStringList& args) {
    const HostRun run = runHostProgram(program, args);
    if (!run.ok())
        return QStringLiteral("<%1 failed: %2%3>").arg(program, run.error, QString::fromUtf8(run.err));
    return QString::fromUtf8(run.out);
}

}  // namespace pekuru::test
