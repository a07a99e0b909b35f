// The sound output loaded on the first sound: found in its folders, handed every command, and a
// missing or broken module reported as a sound failure that names it, never a crash.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/HostFolders.h"
#include "platform/LazyMediaCommands.h"
#include "support/TestSupport.h"

using namespace pekuru;

TEST(LazyMedia, AMissingOrBrokenModuleIsASoundFailureThatNamesIt) {
    QTemporaryDir empty, broken;
    test::writeBytes(broken.path() + QStringLiteral("/pekuru-sound.so"), "not a library");
    struct Case {
        const char* what;
        QStringList folders;
        QString says;
    };
    const Case cases[] = {
        {"no module anywhere", {empty.path()}, QStringLiteral("pekuru-sound.so が見つかりません")},
        {"a file that is no library", {empty.path(), broken.path()}, QDir::toNativeSeparators(broken.path())},
    };
    for (const Case& c : cases) {
        LazyMediaCommands media(c.folders);
        EXPECT_EQ(media.send(playAndWaitCommand(QStringLiteral("/x.wav"))), MediaNoOutputDevice) << c.what;
        const QString text = media.errorText(MediaNoOutputDevice);
        EXPECT_TRUE(text.contains(c.says)) << c.what << ": " << text.toStdString();
        EXPECT_TRUE(text.startsWith(mediaResultText(MediaNoOutputDevice))) << text.toStdString();
        // Asked again, the answer stays the same (the module is looked for once).
        EXPECT_EQ(media.send(playAndWaitCommand(QStringLiteral("/x.wav"))), MediaNoOutputDevice) << c.what;
    }
}

TEST(LazyMedia, TheRealModuleTakesTheCommands) {
    QTemporaryDir empty;
    // The first folder lacks the module; the build's folder holds it.
    LazyMediaCommands media({empty.path(), QStringLiteral(PEKURU_SOUND_MODULE_DIR)});
    struct Case {
        QString command;
        int result;
        QString detail;  // what the real output's description of this failure names
    };
    const Case cases[] = {
        {playAndWaitCommand(empty.path() + QStringLiteral("/none.wav")), MediaFileNotFound,
         QStringLiteral("none.wav")},
        {QStringLiteral("stop everything"), MediaUnknownCommand, QStringLiteral("stop")},
        {QStringLiteral("play"), MediaBadCommand, QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(media.send(c.command), c.result) << c.command.toStdString();
        const QString text = media.errorText(c.result);
        EXPECT_TRUE(text.contains(mediaResultText(c.result))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.detail)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("部品"))) << text.toStdString();
    }
}

TEST(LazyMedia, TheProgramLooksBesideItselfAndInItsPrefix) {
    EXPECT_EQ(hostFolders(QStringLiteral("/opt/pekuru/bin")).soundModuleFolders,
              QStringList({QStringLiteral("/opt/pekuru/bin"), QStringLiteral("/opt/pekuru/lib/pekuru")}));
}
