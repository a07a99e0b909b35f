// The accounts of a classroom sharing one result file: each pupil may have an account of their
// own, and a new file must take every account's appends. POSIX accounts and modes (on Windows a
// new file takes its folder's permissions as they are handed down).
// These tests start real processes and so run on real time.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/RecordFile.h"
#include "records/AppendHelperProcess.h"
#include "records/RecordFormat.h"

using namespace pekuru;
using namespace pekuru::test;

namespace {}  // namespace

namespace {

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The helper run as another pupil's account: nobody's when this runs as root, else this one's.
void startAsOtherAccount(QProcess& p, const QStringList& args) {
    p.setProcessChannelMode(QProcess::SeparateChannels);
    if (::geteuid() != 0) {
        p.start(QStringLiteral(PEKURU_APPEND_HELPER), args);
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    // The build folder may lie where nobody may not go (under /root): nobody runs a copy.
    static QTemporaryDir open;
    const QString helper = open.filePath(QStringLiteral("append_helper"));
    if (!QFile::exists(helper)) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(PEKURU_APPEND_HELPER), helper));
        ASSERT_EQ(::chmod(QFile::encodeName(open.path()).constData(), 0755), 0);
    }
    p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                                   QStringLiteral("--regid=%1").arg(nobody->pw_gid),
                                                   QStringLiteral("--clear-groups"), helper} +
                                           args);
}

}  // namespace

// Each pupil may have an account of their own, on one computer or on several. Whichever copy looks
// at the records first makes the result files; every other account must still be able to append.
TEST(SharedFolder, ANewResultFileIsAsWritableAsItsFolderAndTakesEveryAccountsAttempts) {
    const mode_t mask = ::umask(022);  // a usual umask, which alone would make the file 0644
    const struct { mode_t folder, file; } modes[] = {{0777, 0666}, {02775, 0664}, {0755, 0644}, {0700, 0600}};
    for (const auto& m : modes) {
        QTemporaryDir dir;
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), m.folder), 0);
        RecordFile file;
        ASSERT_EQ(file.open(sharedFile(dir)), RecordFile::Status::Ok);
        EXPECT_EQ(modeOf(sharedFile(dir)), m.file) << std::oct << m.folder;
    }
    ::umask(mask);

    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);  // the classroom share
    QProcess first, second;
    startHelper(first, {QStringLiteral("append"), dir.path(), QStringLiteral("1"), QStringLiteral("1")});
    ASSERT_TRUE(endedCleanly(first));
    startAsOtherAccount(second,
                        {QStringLiteral("append"), dir.path(), QStringLiteral("2"), QStringLiteral("1")});
    ASSERT_TRUE(endedCleanly(second));
    EXPECT_EQ(readAll(sharedFile(dir)).size(), 2 * kSeisekiRecLength);
    EXPECT_EQ(readAll(homeFile(dir)).size(), 2 * kKateiRecLength);

    // A file that an account may only read (made by hand, or by an older copy): the append says so,
    // in words that say what to do, and writes nothing.
    const QByteArray before = readAll(sharedFile(dir));
    ASSERT_EQ(::chmod(QFile::encodeName(sharedFile(dir)).constData(), ::geteuid() == 0 ? 0644 : 0444), 0);
    QProcess refused;
    startAsOtherAccount(refused,
                        {QStringLiteral("append"), dir.path(), QStringLiteral("3"), QStringLiteral("1")});
    ASSERT_TRUE(refused.waitForFinished(kProcessTimeoutMs));
    EXPECT_EQ(refused.exitCode(), 4);
    const QString said = QString::fromUtf8(refused.readAllStandardError());
    EXPECT_TRUE(said.contains(QStringLiteral("書き込む許可がありません"))) << said.toStdString();
    EXPECT_TRUE(said.contains(sharedFile(dir))) << said.toStdString();
    EXPECT_EQ(readAll(sharedFile(dir)), before);
}
