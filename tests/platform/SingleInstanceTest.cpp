// Only one copy of the program runs on a program folder; a crashed copy does not block the next.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

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
    ::kill(pid_t(first.processId()), SIGKILL);
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
