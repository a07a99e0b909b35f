// Where the program finds its classroom: the command line, PEKURU_FOLDER, the executable's folder,
// and the per-user classroom laid out from the installed demo classroom.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/Startup.h"
#include "support/ErrorOf.h"
#include "support/TestSupport.h"

using namespace pekuru;
using test::readBytes;
using test::writeBytes;

namespace {

// A host with a demo classroom installed under share/pekuru/教室 beside bin/.
struct Host {
    QTemporaryDir root;
    QString bin() const { return root.path() + QStringLiteral("/bin"); }
    QString demo() const { return root.path() + QStringLiteral("/share/pekuru/教室"); }
    QString user() const { return root.path() + QStringLiteral("/home/.local/share/pekuru"); }
    QString userProgram() const { return user() + QStringLiteral("/ペクル"); }

    Host() {
        QDir().mkpath(bin());
        writeBytes(demo() + QStringLiteral("/ペクル/設定.txt"), "0,0,0,0,0,0,0,0,0,0\r\n");
        writeBytes(demo() + QStringLiteral("/ペクル/picture/a.bmp"), "BM picture");
        writeBytes(demo() + QStringLiteral("/生徒用名簿.txt"), "demo roster");
        writeBytes(demo() + QStringLiteral("/音フォルダ/新音ファイル.txt"), "sounds");
    }
    FolderSources sources() const {
        FolderSources s;
        s.executableFolder = bin();
        s.userClassroom = user();
        s.demoClassrooms = {root.path() + QStringLiteral("/nowhere/pekuru/教室"), demo()};
        return s;
    }
};

CommandLine noArguments(const Host& h) { return parseCommandLine({QStringLiteral("pekuru")}, h.bin()); }

}  // namespace

TEST(ProgramFolder, TheFirstPlaceThatAppliesWins) {
    Host h;
    const QString given = h.root.path() + QStringLiteral("/given");
    const QString env = h.root.path() + QStringLiteral("/env/");
    struct Case {
        const char* what;
        bool executableFolderFirst;  // Windows' order
        bool folderArgument, environment, settingsBesideExecutable;
        QString expected;
    };
    const Case cases[] = {
        {"--folder beats everything", false, true, true, true, given},
        {"PEKURU_FOLDER beats the executable's folder", false, false, true, true,
         h.root.path() + QStringLiteral("/env")},
        {"the executable's folder when it holds 設定.txt", false, false, false, true, h.bin()},
        {"else the per-user classroom", false, false, false, false, h.userProgram()},
        {"Windows: the executable's folder with 設定.txt beats --folder", true, true, true, true, h.bin()},
        {"Windows: without 設定.txt beside it, --folder", true, true, true, false, given},
        {"Windows: then PEKURU_FOLDER", true, false, true, false, h.root.path() + QStringLiteral("/env")},
        {"Windows: else the per-user classroom", true, false, false, false, h.userProgram()},
    };
    for (const Case& c : cases) {
        QFile::remove(h.bin() + QStringLiteral("/設定.txt"));
        if (c.settingsBesideExecutable) writeBytes(h.bin() + QStringLiteral("/設定.txt"), "1\r\n");
        QStringList args{QStringLiteral("pekuru")};
        if (c.folderArgument) args << QStringLiteral("--folder=") + given;
        FolderSources s = h.sources();
        s.executableFolderFirst = c.executableFolderFirst;
        if (c.environment) s.environmentFolder = env;
        EXPECT_EQ(chooseProgramFolder(parseCommandLine(args, h.bin()), s).programFolder, c.expected)
            << c.what;
    }
}

// This host's own places: the order, the per-user classroom under the user's data folder, the
// demo classroom the package or installer puts beside the program, and the usage that names them.
TEST(ProgramFolder, TheHostsPlacesAreTheOnesTheUsageNames) {
    const QString exe = QStringLiteral("/opt/pekuru/bin");
    const FolderSources s = hostFolderSources(exe);
    const bool windows = QDir::separator() == QLatin1Char('\\');
    EXPECT_EQ(s.executableFolderFirst, windows);
    EXPECT_EQ(s.executableFolder, exe);
    EXPECT_TRUE(s.userClassroom.endsWith(QStringLiteral("/pekuru"))) << s.userClassroom.toStdString();
    ASSERT_FALSE(s.demoClassrooms.isEmpty());
    EXPECT_EQ(s.demoClassrooms.front(), windows ? exe + QStringLiteral("/share/pekuru/教室")
                                                : QStringLiteral("/opt/pekuru/share/pekuru/教室"));
    const QString usage = usageText();
    EXPECT_TRUE(usage.contains(windows ? QStringLiteral("%LOCALAPPDATA%\\pekuru\\ペクル")
                                       : QStringLiteral("~/.local/share/pekuru/ペクル")))
        << usage.toStdString();
    // The usage says the order: the executable's folder first on Windows only.
    EXPECT_EQ(usage.indexOf(QStringLiteral("実行ファイル")) < usage.indexOf(QStringLiteral("PEKURU_FOLDER")),
              windows)
        << usage.toStdString();
}

// A classroom on a file server, given by its network path (with either separator where the host
// takes both), stays that path: the program folder and every folder made from it.
TEST(ProgramFolder, ANetworkPathStaysANetworkPath) {
    const bool windows = QDir::separator() == QLatin1Char('\\');
    QStringList spellings{QStringLiteral("//server/juku/教室/ペクル"),
                          QStringLiteral("//server/juku/教室/ペクル/")};
    if (windows)  // elsewhere a backslash is part of a name
        spellings << QStringLiteral("\\\\server\\juku\\教室\\ペクル")
                  << QStringLiteral("\\\\server\\juku\\教室\\ペクル\\");
    // POSIX reads a leading "//" as "/"; Windows as the server's share.
    const QString expected =
        windows ? QStringLiteral("//server/juku/教室/ペクル") : QStringLiteral("/server/juku/教室/ペクル");
    for (const QString& spelling : spellings) {
        SCOPED_TRACE(spelling.toStdString());
        const CommandLine cl =
            parseCommandLine({QStringLiteral("pekuru"), QStringLiteral("--folder"), spelling}, QString());
        EXPECT_EQ(cl.programFolder, expected);
        FolderSources s;
        s.environmentFolder = spelling;
        EXPECT_EQ(
            chooseProgramFolder(parseCommandLine({QStringLiteral("pekuru")}, QString()), s).programFolder,
            expected);
    }
}

TEST(ProgramFolder, TheFirstStartLaysOutTheDemoClassroomAndLaterStartsKeepTheUsersFiles) {
    Host h;
    const FolderChoice first = chooseProgramFolder(noArguments(h), h.sources());
    EXPECT_EQ(first.programFolder, h.userProgram());
    EXPECT_TRUE(first.laidOut);
    for (const char* file :
         {"/ペクル/設定.txt", "/ペクル/picture/a.bmp", "/生徒用名簿.txt", "/音フォルダ/新音ファイル.txt"}) {
        EXPECT_EQ(readBytes(h.user() + QString::fromUtf8(file)),
                  readBytes(h.demo() + QString::fromUtf8(file)))
            << file;
    }
    EXPECT_TRUE(QDir(h.userProgram()).entryList({QStringLiteral("*.pekuru-copy")}, QDir::Files).isEmpty());

    // The family edits its roster; the next start must not bring the demo roster back.
    writeBytes(h.user() + QStringLiteral("/生徒用名簿.txt"), "our roster");
    QFile::remove(h.userProgram() + QStringLiteral("/picture/a.bmp"));
    const FolderChoice second = chooseProgramFolder(noArguments(h), h.sources());
    EXPECT_FALSE(second.laidOut);
    EXPECT_EQ(readBytes(h.user() + QStringLiteral("/生徒用名簿.txt")), "our roster");
    EXPECT_FALSE(QFile::exists(h.userProgram() + QStringLiteral("/picture/a.bmp")));
}

TEST(ProgramFolder, AnInterruptedLayoutIsCompletedWithoutOverwritingWhatIsThere) {
    Host h;
    // A first start that died after two files: no 設定.txt yet, a roster the user already changed.
    writeBytes(h.user() + QStringLiteral("/生徒用名簿.txt"), "changed roster");
    writeBytes(h.userProgram() + QStringLiteral("/picture/a.bmp.pekuru-copy"), "half");
    const FolderChoice c = chooseProgramFolder(noArguments(h), h.sources());
    EXPECT_TRUE(c.laidOut);
    EXPECT_EQ(readBytes(h.user() + QStringLiteral("/生徒用名簿.txt")), "changed roster");
    EXPECT_EQ(readBytes(h.userProgram() + QStringLiteral("/picture/a.bmp")), "BM picture");
    EXPECT_FALSE(QFile::exists(h.userProgram() + QStringLiteral("/picture/a.bmp.pekuru-copy")));
    EXPECT_TRUE(QFile::exists(h.userProgram() + QStringLiteral("/設定.txt")));
}

TEST(ProgramFolder, ReadOnlyInstalledFilesBecomeTheUsersToChange) {
    Host h;
    const QString roster = h.demo() + QStringLiteral("/生徒用名簿.txt");
    ASSERT_TRUE(QFile::setPermissions(roster, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    chooseProgramFolder(noArguments(h), h.sources());
    QFile copy(h.user() + QStringLiteral("/生徒用名簿.txt"));
    EXPECT_TRUE(copy.permissions() & QFile::WriteOwner);
    EXPECT_TRUE(copy.open(QIODevice::Append));
}

TEST(ProgramFolder, FailuresNameThePlacesInJapanese) {
    struct Case {
        const char* what;
        bool demoInstalled;
        bool userFolderIsAFile;
        int number;
        const char* says;
    };
    const Case cases[] = {
        {"no classroom anywhere", false, false, ProgramError::FileNotFound, "--folder"},
        {"the user's folder cannot be made", true, true, ProgramError::PathFileAccess,
         "コピーできませんでした"},
    };
    for (const Case& c : cases) {
        Host h;
        if (!c.demoInstalled) QDir(h.demo()).removeRecursively();
        if (c.userFolderIsAFile) writeBytes(h.user(), "not a folder");
        const ProgramError e = test::errorOf([&] { chooseProgramFolder(noArguments(h), h.sources()); });
        EXPECT_EQ(e.number(), c.number) << c.what;
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.says))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QDir::toNativeSeparators(h.user())))
            << e.description().toStdString();
        EXPECT_FALSE(QFileInfo(h.userProgram()).isDir()) << c.what;
    }
}
