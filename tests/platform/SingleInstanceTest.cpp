// Only one copy of the program runs on a program folder; a crashed copy does not block the next.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"

using namespace pekuru;

namespace {

// Starts the probe and waits until it reports; returns its first line.
QString startProbe(QProcess& p, const QString& folder, const QString& lockDir) {
    p.start(QStringLiteral(PEKURU_INSTANCE_PROBE), {folder, lockDir});
    if (!p.waitForStarted(10000)) return QStringLiteral("not started");
    if (!p.waitForReadyRead(10000)) return QStringLiteral("silent");
    return QString::fromUtf8(p.readLine()).trimmed();
}

}  // namespace

TEST(SingleInstance, SecondProcessIsRefusedAndAKilledOwnerFreesTheLock) {
    QTemporaryDir locks;
    const QString folder = QStringLiteral("/srv/classroom/tiles");
    QProcess first, second, third;
    ASSERT_EQ(startProbe(first, folder, locks.path()), QStringLiteral("held"));

    EXPECT_EQ(startProbe(second, folder, locks.path()), QStringLiteral("refused"));
    second.waitForFinished(10000);
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_EQ(first.state(), QProcess::Running);  // the running copy is untouched

    // Another program folder is another program.
    QProcess other;
    EXPECT_EQ(startProbe(other, QStringLiteral("/srv/classroom/other"), locks.path()),
              QStringLiteral("held"));
    other.closeWriteChannel();
    other.waitForFinished(10000);

    // The owner crashes: its lock file stays behind, but the next copy takes it over.
    first.kill();
    first.waitForFinished(10000);
    EXPECT_EQ(startProbe(third, folder, locks.path()), QStringLiteral("held"));
    third.closeWriteChannel();
    third.waitForFinished(10000);
    EXPECT_EQ(third.exitCode(), 0);
}

TEST(SingleInstance, SameProcessMayAskAgain) {
    QTemporaryDir locks;
    SingleInstance a(QStringLiteral("/x/tiles"), locks.path());
    EXPECT_TRUE(a.acquire());
    EXPECT_TRUE(a.acquire());
    SingleInstance b(QStringLiteral("/x/tiles"), locks.path());
    EXPECT_FALSE(b.acquire());
}

// One program folder is one lock however its path is written: with a trailing separator, through
// "..", and on Windows, whose names ignore case, in the host's separators and in another case.
TEST(SingleInstance, EverySpellingOfOneFolderIsOneLock) {
    QTemporaryDir locks, classroom;
    const QString folder = classroom.filePath(QStringLiteral("ペクル"));
    ASSERT_TRUE(QDir().mkpath(folder));
    SingleInstance held(folder, locks.path());
    ASSERT_TRUE(held.acquire());
    const bool windows = QDir::separator() == QLatin1Char('\\');
    const struct {
        QString spelling;
        bool sameFolder;
    } cases[] = {
        {folder + QLatin1Char('/'), true},
        {classroom.path() + QStringLiteral("/ペクル/../ペクル"), true},
        {QDir::toNativeSeparators(folder), true},
        {folder.toUpper(), windows},  // another folder where case counts
        {classroom.filePath(QStringLiteral("ペクル2")), false},
    };
    for (const auto& c : cases) {
        SingleInstance other(c.spelling, locks.path());
        EXPECT_EQ(other.lockPath() == held.lockPath(), c.sameFolder) << c.spelling.toStdString();
        EXPECT_EQ(other.acquire(), !c.sameFolder) << c.spelling.toStdString();
    }
}
