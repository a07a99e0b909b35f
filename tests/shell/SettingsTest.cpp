// Start-up: the folders, the code split and the level table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

#include "platform/ProgramError.h"
#include "shell/Settings.h"
#include "support/ErrorOf.h"
#include "support/TestSupport.h"

using namespace pekuru;
using pekuru::test::errorOf;

namespace {

QString levelLine(int i) { return QStringLiteral("%1,%2,10,5,1.5,6,7,7,1,10,11,12\n").arg(i).arg(i * 2); }

}  // namespace

TEST(Folders, OwnFolderModePutsEverythingInTheProgramFolder) {
    for (const Variant& one :
         {Variant::number(1), Variant::text(QStringLiteral("1")), Variant::number(1.0)}) {
        const Folders f = resolveFolders(QStringLiteral("/srv/drills/tiles"), one);
        EXPECT_EQ(f.AppFolder, QStringLiteral("/srv/drills/tiles/"));
        EXPECT_EQ(f.KyoutuuFolder, f.AppFolder);
        EXPECT_EQ(f.DataFolder, f.AppFolder);
        EXPECT_EQ(f.OtoFolder, f.AppFolder);
        EXPECT_EQ(f.ProgFolderName, QStringLiteral("tiles"));
    }
}

TEST(Folders, AnyOtherModeLooksOneFolderUpWithoutNormalising) {
    for (const Variant& other :
         {Variant::number(0), Variant::number(2), Variant::text(QStringLiteral("x")), Variant()}) {
        const Folders f = resolveFolders(QStringLiteral("/srv/drills/tiles"), other);
        EXPECT_EQ(f.KyoutuuFolder, QStringLiteral("/srv/drills/tiles/../"));
        EXPECT_EQ(f.DataFolder, QStringLiteral("/srv/drills/tiles/../tiles/"));
        EXPECT_EQ(f.OtoFolder, QStringLiteral("/srv/drills/tiles/../音フォルダ/"));
        EXPECT_EQ(f.ProgFolderName, QStringLiteral("tiles"));
    }
}

TEST(Folders, ProgramFolderFromTheCommandLineIsAbsoluteWithoutTrailingSeparator) {
    // The current folder's drive ("C:") on Windows, nothing on POSIX.
    const QString drive = QDir::currentPath().section(QLatin1Char('/'), 0, 0);
    EXPECT_EQ(normaliseProgramFolder(QStringLiteral("/a/b/")), drive + QStringLiteral("/a/b"));
    EXPECT_TRUE(normaliseProgramFolder(QStringLiteral("rel/ペクル")).startsWith(drive + QLatin1Char('/')));
    EXPECT_TRUE(normaliseProgramFolder(QStringLiteral("rel/ペクル")).endsWith(QStringLiteral("/rel/ペクル")));
    EXPECT_TRUE(QDir::isAbsolutePath(normaliseProgramFolder(QStringLiteral("rel/ペクル"))));
}

// A classroom on a file server: the folders made from its network path stay on the server, the
// common folder "..\" one step up, the program folder's name its last step.
TEST(Folders, ANetworkProgramFolderGivesNetworkFolders) {
    const QString program = QStringLiteral("//server/juku/教室/ペクル");
    struct Case {
        Variant mode;
        QString kyoutuu, data, oto;
    };
    const Case cases[] = {
        {Variant::number(0), QStringLiteral("//server/juku/教室/ペクル/../"),
         QStringLiteral("//server/juku/教室/ペクル/../ペクル/"),
         QStringLiteral("//server/juku/教室/ペクル/../音フォルダ/")},
        {Variant::number(1), QStringLiteral("//server/juku/教室/ペクル/"),
         QStringLiteral("//server/juku/教室/ペクル/"), QStringLiteral("//server/juku/教室/ペクル/")},
    };
    for (const Case& c : cases) {
        const Folders f = resolveFolders(program, c.mode);
        EXPECT_EQ(f.AppFolder, QStringLiteral("//server/juku/教室/ペクル/"));
        EXPECT_EQ(f.KyoutuuFolder, c.kyoutuu);
        EXPECT_EQ(f.DataFolder, c.data);
        EXPECT_EQ(f.OtoFolder, c.oto);
        EXPECT_EQ(f.ProgFolderName, QStringLiteral("ペクル"));
    }
}

TEST(ClassroomCode, SplitsOnlyANonZeroLeadingNumber) {
    struct Case {
        QString in, code, name;
    };
    const Case cases[] = {
        {QStringLiteral("12345ひまわり教室"), QStringLiteral("12345"), QStringLiteral("ひまわり教室")},
        {QStringLiteral("ひまわり教室"), QString(), QStringLiteral("ひまわり教室")},
        {QStringLiteral("00000ひまわり"), QString(), QStringLiteral("00000ひまわり")},
        {QStringLiteral("12ab3name"), QStringLiteral("12ab3"), QStringLiteral("name")},  // leading 12
        {QStringLiteral("007"), QStringLiteral("007"), QString()},
        {QStringLiteral(" 0.0x"), QString(), QStringLiteral(" 0.0x")},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        const CodeSplit s = splitClassroomCode(c.in);
        EXPECT_EQ(s.code, c.code) << c.in.toStdString();
        EXPECT_EQ(s.name, c.name) << c.in.toStdString();
    }
}

TEST(LevelTable, FillsOnlyTheLinesGivenAndKeepsTheRest) {
    test::Classroom room;
    auto g = std::make_unique<hensuu1>();
    g->GoukakuTime[5] = 777;  // a value from before the load
    room.writeLevelTable(levelLine(0) + levelLine(1) + levelLine(2));
    readLevelTable(*g, room.programFile(QStringLiteral("タイム回数データ.txt")));
    EXPECT_EQ(g->GoukakuTime[2], 2);
    EXPECT_EQ(g->SeigenTime[2], 4);
    EXPECT_EQ(g->HituyouKaisuu[1], 10);
    EXPECT_EQ(g->HituyouKaisuu2[1], 5);
    EXPECT_FLOAT_EQ(g->LevelPoint[1], 1.5f);
    EXPECT_TRUE(g->LevelValue8[1].equalsNumber(7));
    EXPECT_TRUE(g->LevelValue12[2].equalsNumber(12));
    EXPECT_EQ(g->GoukakuTime[3], 0);
    EXPECT_EQ(g->GoukakuTime[5], 777);
    EXPECT_TRUE(g->LevelValue6[3].isEmpty());
}

TEST(LevelTable, TakesThirtySixLinesAndRefusesTheThirtySeventh) {
    test::Classroom room;
    auto g = std::make_unique<hensuu1>();
    QString text;
    for (int i = 0; i < 36; ++i) text += levelLine(i);
    room.writeLevelTable(text);
    const QString path = room.programFile(QStringLiteral("タイム回数データ.txt"));
    readLevelTable(*g, path);
    EXPECT_EQ(g->GoukakuTime[35], 35);

    room.writeLevelTable(text + levelLine(36));
    const ProgramError e = errorOf([&] { readLevelTable(*g, path); });
    EXPECT_EQ(e.number(), ProgramError::SubscriptOutOfRange);
    EXPECT_TRUE(e.description().contains(QStringLiteral("37 行目"))) << e.description().toStdString();
}

TEST(LevelTable, RefusesLinesThatWouldShiftColumnsAndValuesOutOfRange) {
    struct Case {
        QString text;
        int number;
        QString mustContain;
    };
    const Case cases[] = {
        {levelLine(0) + QStringLiteral("1,2,3,4,5,6,7,8,9,10,11\n") + levelLine(2),
         ProgramError::InputPastEnd, QStringLiteral("2 行目には値が 11 個しかありません")},
        {QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13\n"), ProgramError::TypeMismatch,
         QStringLiteral("1 行目には値が 12 個より多く")},
        {QStringLiteral("1,2,3,40000,5,6,7,8,9,10,11,12\n"), ProgramError::Overflow,
         QStringLiteral("「40000」")},
        {QStringLiteral("1,x,3,4,5,6,7,8,9,10,11,12\n"), ProgramError::TypeMismatch,
         QStringLiteral("「x」は数ではありません")},
        {QStringLiteral("1,429496730,3,4,5,6,7,8,9,10,11,12\n"), ProgramError::Overflow,
         QStringLiteral("制限時間")},
        {QStringLiteral("1,-5,3,4,5,6,7,8,9,10,11,12\n"), ProgramError::Overflow, QStringLiteral("制限時間")},
    };
    test::Classroom room;
    const QString path = room.programFile(QStringLiteral("タイム回数データ.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        room.writeLevelTable(c.text);
        auto g = std::make_unique<hensuu1>();
        const ProgramError e = errorOf([&] { readLevelTable(*g, path); });
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.description().contains(path));
        EXPECT_TRUE(e.description().contains(c.mustContain)) << e.description().toStdString();
    }
}

TEST(SettingsRead, ReadsAClassroomLaidOutWithTheProgramInsideTheCommonFolder) {
    test::Classroom room;
    auto g = std::make_unique<hensuu1>();
    設定読込(*g, room.programFolder());
    EXPECT_EQ(g->AppFolder, room.programFolder() + QStringLiteral("/"));
    EXPECT_EQ(g->KyoutuuFolder, room.programFolder() + QStringLiteral("/../"));
    EXPECT_EQ(g->DataFolder, room.programFolder() + QStringLiteral("/../tiles/"));
    EXPECT_EQ(g->OtoFolder, room.programFolder() + QStringLiteral("/../音フォルダ/"));
    EXPECT_EQ(g->KyousituCode, QStringLiteral("12345"));
    EXPECT_EQ(g->KyoutuuName, QStringLiteral("テスト教室"));
    EXPECT_TRUE(g->NendoTuki.equalsNumber(4));
    EXPECT_EQ(g->MeiboMode, 1);
    EXPECT_EQ(g->ProgTitle, QStringLiteral("ペクル"));
    EXPECT_EQ(g->PrintOK, 1);
    EXPECT_EQ(g->SeigenTime[3], 300);
}

TEST(SettingsRead, OwnFolderModeReadsTheCommonFileBesideTheProgram) {
    test::Classroom room;
    room.writeSettings(QStringLiteral("\"1\""));
    test::writeCp932(room.programFile(QStringLiteral("共通データ.txt")),
                     QStringLiteral("4\r\n\"家の机\"\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    test::writeCp932(room.programFile(QStringLiteral("新音ファイル.txt")),
                     QStringLiteral("正解音2,pinpon9,*\n"));
    auto g = std::make_unique<hensuu1>();
    設定読込(*g, room.programFolder());
    EXPECT_EQ(g->KyoutuuFolder, room.programFolder() + QStringLiteral("/"));
    EXPECT_EQ(g->OtoList(2, 1), QStringLiteral("pinpon9"));  // the sound list lies beside the program too
    EXPECT_EQ(g->KyoutuuName, QStringLiteral("家の机"));
    EXPECT_TRUE(g->KyousituCode.isEmpty());
    EXPECT_TRUE(g->MeiboOption.equalsNumber(1));
}

TEST(SettingsRead, MissingOrShortFilesStopStartUpWithTheirName) {
    struct Case {
        const char* name;
        std::function<void(test::Classroom&)> damage;
        int number;
        QString file;
    };
    const Case cases[] = {
        {"no 設定.txt", [](test::Classroom& r) { QFile::remove(r.programFile(QStringLiteral("設定.txt"))); },
         ProgramError::FileNotFound, QStringLiteral("設定.txt")},
        {"設定.txt with nine values",
         [](test::Classroom& r) {
             test::writeCp932(r.programFile(QStringLiteral("設定.txt")),
                              QStringLiteral("0,0,0,0,0,0,0,0,0\n"));
         },
         ProgramError::InputPastEnd, QStringLiteral("設定.txt")},
        {"no 共通データ.txt",
         [](test::Classroom& r) { QFile::remove(r.commonFile(QStringLiteral("共通データ.txt"))); },
         ProgramError::FileNotFound, QStringLiteral("共通データ.txt")},
        {"month not a number",
         [](test::Classroom& r) { r.writeCommon(QStringLiteral("\"四月\",\"x\",0,0,0,0,0,0,0,0\n")); },
         ProgramError::TypeMismatch, QStringLiteral("共通データ.txt")},
        {"no level table",
         [](test::Classroom& r) { QFile::remove(r.programFile(QStringLiteral("タイム回数データ.txt"))); },
         ProgramError::FileNotFound, QStringLiteral("タイム回数データ.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Classroom room;
        c.damage(room);
        auto g = std::make_unique<hensuu1>();
        const ProgramError e = errorOf([&] { 設定読込(*g, room.programFolder()); });
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.description().contains(c.file)) << e.description().toStdString();
    }
}
