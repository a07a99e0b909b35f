// The real program started as a process on a temporary classroom: it refuses a second copy on the
// same folder, and a broken settings file ends it with the error report and a non-zero status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include "support/TestSupport.h"

namespace {

struct Program {
    // The session's runtime folder, where the instance lock lives: XDG_RUNTIME_DIR on Linux, the
    // user's temporary folder (TMP, TEMP) on Windows.
    QTemporaryDir runtime;
    QProcess process;

    void start(const QString& folder) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PEKURU_UNATTENDED"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("TMP"), runtime.path());
        env.insert(QStringLiteral("TEMP"), runtime.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PEKURU_PROGRAM), {QStringLiteral("--folder"), folder});
        process.waitForStarted(10000);
    }
    void startSharing(const Program& other, const QString& folder) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PEKURU_UNATTENDED"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), other.runtime.path());
        env.insert(QStringLiteral("TMP"), other.runtime.path());
        env.insert(QStringLiteral("TEMP"), other.runtime.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PEKURU_PROGRAM), {QStringLiteral("--folder"), folder});
        process.waitForStarted(10000);
    }
    QString errors() { return QString::fromUtf8(process.readAllStandardError()); }
};

bool waitForLock(const QString& runtime) {
    for (int i = 0; i < 200; ++i) {
        if (!QDir(runtime).entryList({QStringLiteral("pekuru-*.lock")}, QDir::Files).isEmpty()) return true;
        QThread::msleep(50);
    }
    return false;
}

}  // namespace

TEST(StartupProcess, ASecondCopyOnTheSameFolderIsRefusedAndTheFirstRunsOn) {
    pekuru::test::Classroom room;
    Program first, second;
    first.start(room.programFolder());
    ASSERT_TRUE(waitForLock(first.runtime.path())) << first.errors().toStdString();

    second.startSharing(first, room.programFolder());
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitCode(), 1);
    const QString said = second.errors();
    EXPECT_TRUE(said.contains(QStringLiteral("[注意] このプログラムと同じプログラムがすでに起動され")))
        << said.toStdString();
    EXPECT_EQ(first.process.state(), QProcess::Running);
    first.process.kill();
    first.process.waitForFinished(10000);
}

TEST(StartupProcess, ABrokenLevelTableEndsWithTheReportAndWritesNothing) {
    pekuru::test::Classroom room;
    room.writeLevelTable(QStringLiteral("60,120,100,5,1,0,0,7,1,0,0\n"));
    const QStringList before = QDir(room.common()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    Program p;
    p.start(room.programFolder());
    ASSERT_TRUE(p.process.waitForFinished(20000));
    EXPECT_EQ(p.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.process.exitCode(), 1);
    const QString said = p.errors();
    EXPECT_TRUE(said.contains(QStringLiteral("実行時エラー '62'"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("タイム回数データ.txt』の 1 行目"))) << said.toStdString();
    EXPECT_EQ(QDir(room.common()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST(StartupProcess, BothRosterFilesMissingIsReportedByName) {
    pekuru::test::Classroom room;
    QFile::remove(room.commonFile(QStringLiteral("生徒用名簿.txt")));
    Program p;
    p.start(room.programFolder());
    ASSERT_TRUE(p.process.waitForFinished(20000));
    EXPECT_EQ(p.process.exitCode(), 1);
    EXPECT_TRUE(p.errors().contains(QStringLiteral("生徒用名簿temp.txt")));
}

// Help, the version and a wrong command line are answered without a display: no window system is
// named, none is there, and the program must not abort looking for one.
TEST(StartupProcess, HelpVersionAndAWrongArgumentNeedNoDisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    struct Case {
        QStringList arguments;
        int exitCode;
        QString printed;
    };
    const Case cases[] = {{{QStringLiteral("--help")}, 0, QStringLiteral("使い方: pekuru")},
                          {{QStringLiteral("--version")}, 0, QStringLiteral("ペクル " PEKURU_VERSION)},
                          {{QStringLiteral("--bogus")}, 2, QStringLiteral("分からない引数「--bogus」")}};
    for (const Case& c : cases) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PEKURU_PROGRAM), c.arguments);
        ASSERT_TRUE(p.waitForFinished(30000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        EXPECT_TRUE(out.contains(c.printed)) << out.toStdString();
    }
}
