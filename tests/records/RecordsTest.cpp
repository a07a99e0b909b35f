// The result records byte for byte, the loader, the statistics, the points and the key sort.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "platform/ProgramError.h"
#include "records/FinishLogic.h"
#include "records/Points.h"
#include "records/Ranking.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/ErrorOf.h"
#include "support/Fakes.h"
#include "support/ShortReads.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

// A waiter that moves the fake clock on instead of waiting, and counts.
struct CountingWaiter : Waiter {
    FakeClock* clock = nullptr;
    std::vector<double> waits;
    void wait(double seconds) override {
        waits.push_back(seconds);
        if (clock) clock->advanceMs(std::int64_t(seconds * 1000));
    }
};

QByteArray hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

struct Store {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock{QDate(2024, 5, 10), 9 * 3600 + 15 * 60 + 30.75};
    CountingWaiter waiter;
    std::unique_ptr<Results> results;

    Store() {
        waiter.clock = &clock;
        g->DataFolder = dir.path() + QStringLiteral("/tiles/");
        g->KyoutuuFolder = dir.path() + QStringLiteral("/");
        QDir().mkpath(g->DataFolder);
        g->MeiboMode = 1;
        g->KyousituCode = QStringLiteral("12345");
        const Long target[] = {0, 60, 90, 150};
        const float factor[] = {0, 1, 1.2f, 1.5f};
        for (int l = 1; l <= 3; ++l) {
            g->GoukakuTime[l] = target[l];
            g->LevelPoint[l] = factor[l];
            g->HituyouKaisuu[l] = 20;
            g->HituyouKaisuu2[l] = 2;
            g->LevelValue8[l] = Variant::number(7);
            g->LevelValue9[l] = Variant::number(1);
        }
        results = std::make_unique<Results>(*g, clock, waiter);
    }
    QString shared() const { return sharedResultPath(*g); }
    QString home() const { return homeResultPath(*g); }
    void writeRecords(const std::vector<SeisekiRec>& recs) {
        QByteArray b;
        for (const SeisekiRec& r : recs) b += encode(r);
        test::writeBytes(shared(), b);
    }
    double today() const { return dateValue(clock.today()); }
};

SeisekiRec rec(double day, int student, int level, Long time) {
    SeisekiRec r;
    r.hiduke = day;
    r.jikoku = 0.5;
    r.bangou = Integer(student);
    r.level = Integer(level);
    r.time = time;
    return r;
}

std::optional<ProgramExit> exitOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgramExit& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace

TEST(RecordFormat, DatesCountDaysFromTheEndOf1899) {
    EXPECT_EQ(dateValue(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(dateValue(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(dateValue(QDate(2024, 5, 10)), 45422.0);
    EXPECT_EQ(dateFromValue(45422.0), QDate(2024, 5, 10));
    EXPECT_FALSE(dateFromValue(std::nan("")).isValid());
    EXPECT_EQ(timeOfDayValue(43200.9), 0.5);  // whole seconds only
    EXPECT_EQ(timeOfDayValue(0), 0.0);
}

TEST(RecordFormat, SharedRecordByteForByte) {
    SeisekiRec r = rec(45422.0, 4899, 3, 99999);
    r.jikoku = 0.5;
    r.code = QStringLiteral("12345");
    const QByteArray expected =
        hex("00 00 00 00 C0 2D E6 40"  // 45422.0
            "00 00 00 00 00 00 E0 3F"  // 0.5
            "23 13"                    // 4899
            "03 00"                    // level 3
            "9F 86 01 00"              // 99999
            "31 32 33 34 35"           // "12345"
            "20 20 20 20 20"           // reserved blanks
            "30 20 20 20 20"           // "0" and four blanks
            "00 00 00 00 00");
    EXPECT_EQ(encode(r), expected);
    const SeisekiRec back = decodeSeisekiRec(expected.constData());
    EXPECT_EQ(back.hiduke, 45422.0);
    EXPECT_EQ(back.bangou, 4899);
    EXPECT_EQ(back.level, 3);
    EXPECT_EQ(back.time, 99999);
}

TEST(RecordFormat, HomeRecordByteForByteWithABackslashAfterTheFolderName) {
    KateiRec h;
    h.folderName = QStringLiteral("tiles\\");
    h.hiduke = 45422.0;
    h.jikoku = 0.25;
    h.bangou = 4900;
    h.level = 1;
    h.time = 57;
    h.code = QString();
    const QByteArray b = encode(h);
    ASSERT_EQ(b.size(), 66);
    EXPECT_EQ(b.left(20), QByteArray("tiles\\") + QByteArray(14, ' '));
    EXPECT_EQ(b.mid(20, 2), hex("00 00"));
    EXPECT_EQ(b.mid(22, 8), hex("00 00 00 00 C0 2D E6 40"));
    EXPECT_EQ(b.mid(30, 8), hex("00 00 00 00 00 00 D0 3F"));
    EXPECT_EQ(b.mid(38, 2), hex("24 13"));
    EXPECT_EQ(b.mid(40, 2), hex("01 00"));
    EXPECT_EQ(b.mid(42, 4), hex("39 00 00 00"));
    EXPECT_EQ(b.mid(46, 5), QByteArray(5, ' '));
    EXPECT_EQ(b.mid(51, 15), QByteArray(15, '\0'));
}

TEST(RecordFormat, TextFieldsAreCutAtACharacterBoundary) {
    // ペ is two bytes in CP932: five bytes hold two of them and a blank, never half a third.
    EXPECT_EQ(fixedCp932(QStringLiteral("ペクル"), 5), QByteArray("\x83\x79\x83\x4E ", 5));
    EXPECT_EQ(fixedCp932(QStringLiteral("ｽﾀｰﾄ!!"), 5), QByteArray("\xBD\xC0\xB0\xC4!", 5));
    EXPECT_EQ(fixedCp932(QStringLiteral("ab"), 5), QByteArray("ab   "));
    EXPECT_EQ(fixedCp932(QStringLiteral("ペクルのフォルダ名はとても長い"), 20).size(), 20);
}

TEST(Append, WritesTheSharedAndHomeFilesForOrdinaryStudentsOnly) {
    Store s;
    for (const Integer student : {4899, 4900, 5000})
        s.results->成績ランダムファイル記録(Attempt{student, 2, 57, false});
    const QByteArray shared = test::readBytes(s.shared());
    const QByteArray home = test::readBytes(s.home());
    ASSERT_EQ(shared.size(), 3 * 44);
    ASSERT_EQ(home.size(), 66);  // 4900 and 5000 are kept out
    const SeisekiRec first = decodeSeisekiRec(shared.constData());
    EXPECT_EQ(first.hiduke, 45422.0);
    EXPECT_EQ(first.jikoku, double(9 * 3600 + 15 * 60 + 30) / 86400.0);
    EXPECT_EQ(first.bangou, 4899);
    EXPECT_EQ(first.level, 2);
    EXPECT_EQ(first.time, 57);
    EXPECT_EQ(shared.mid(24, 5), QByteArray("12345"));
    EXPECT_EQ(home.left(20), QByteArray("tiles\\") + QByteArray(14, ' '));
    EXPECT_EQ(qFromLittleEndian<qint16>(home.constData() + 38), 4899);
    EXPECT_TRUE(s.waiter.waits.empty());
}

TEST(Append, ATornRecordAtTheEndIsOverwritten) {
    Store s;
    s.writeRecords({rec(s.today(), 1, 1, 30)});
    QFile f(s.shared());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("torn-record");
    f.close();
    s.g->MeiboMode = 0;
    s.results->成績ランダムファイル記録(Attempt{2, 1, 40, false});
    const QByteArray b = test::readBytes(s.shared());
    ASSERT_EQ(b.size(), 88);
    EXPECT_EQ(decodeSeisekiRec(b.constData() + 44).bangou, 2);
    EXPECT_FALSE(QFile::exists(s.home()));  // MeiboMode 0 keeps no home-use file
}

TEST(Append, AMissingFolderIsReportedNotSilentlyDropped) {
    Store s;
    s.g->DataFolder = s.dir.path() + QStringLiteral("/gone/");
    s.g->SeitoBangou = 1;
    const auto e = exitOf([&] { s.results->成績ランダムファイル記録(Attempt{1, 0, 0, false}); });
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->text().startsWith(QStringLiteral("成績ランダムファイル記録")));
    EXPECT_TRUE(e->text().contains(QStringLiteral("/gone/成績累積データ.dat")));
}

TEST(Points, FollowTheTargetTimeAndTheLevelFactor) {
    Store s;
    struct Case {
        Long t;
        int level;
        Long points;
    };
    const Case cases[] = {
        {30, 1, 11}, {0, 1, 55},  {60, 1, 5},  {61, 1, 4},    {100, 1, 4},   {119, 1, 4}, {120, 1, 1},
        {300, 1, 1}, {599, 1, 1}, {600, 1, 0}, {99999, 1, 0}, {99998, 1, 0}, {30, 3, 45},  // 30 × 1.5
        {150, 3, 7}, {45, 2, 13},  // Int(5 × 1.5), Int(11 × 1.2)
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.results->KeisanPoint(c.t, c.level), c.points) << c.t << " L" << c.level;
    // The first three digits of the time: 1234 counts as 123.
    s.g->GoukakuTime[4] = 2000;
    s.g->LevelPoint[4] = 1;
    EXPECT_EQ(s.results->KeisanPoint(1234, 4), Long(std::floor(std::pow((2000.0 - 123) / 2000, 3) * 50 + 5)));
    // With LevelPoint 1.5 an attempt worth 11 points counts 16.
    s.g->LevelPoint[1] = 1.5f;
    EXPECT_EQ(s.results->KeisanPoint(30, 1), 16);
    // A target of 0 must not divide by zero.
    s.g->GoukakuTime[5] = 0;
    s.g->LevelPoint[5] = 1;
    EXPECT_EQ(s.results->KeisanPoint(0, 5), 5);
    EXPECT_EQ(s.results->KeisanPoint(10, 5), 0);

    // One rule for points past the 32-bit range, wherever they are worked out: the statistics, the
    // finish screen and the hub's lists all stop with the same error naming the factor to check.
    s.g->LevelPoint[1] = 1e30f;
    const ProgramError statistics = test::errorOf([&] { (void)s.results->KeisanPoint(30, 1); });
    const ProgramError finish = test::errorOf([&] { (void)displayPoints(30, 60, 1e30f); });
    const ProgramError hub = test::errorOf([&] { (void)statisticsPoints(*s.g, 30, 1); });
    for (const ProgramError& e : {statistics, finish, hub}) {
        EXPECT_EQ(e.number(), ProgramError::Overflow);
        EXPECT_TRUE(e.description().contains(QStringLiteral("タイム回数データ.txt の 5 番目の値")))
            << e.description().toStdString();
    }
    EXPECT_TRUE(statistics.description().startsWith(QStringLiteral("レベル 1 のポイント")));
}

TEST(Statistics, AnEmptyOrMissingFileGivesZerosAndNoBests) {
    Store s;
    s.results->回数求();
    EXPECT_TRUE(QFile::exists(s.shared()));  // created empty
    EXPECT_EQ(test::readBytes(s.shared()).size(), 0);
    EXPECT_EQ(s.g->RecordSuu, 0);
    EXPECT_EQ(s.g->JikoBest(1, 1), kNoTime);
    EXPECT_EQ(s.g->JikoBest(5000, 35), kNoTime);
    EXPECT_EQ(s.g->LevelBest[1], kNoTime);
    EXPECT_EQ(s.g->RuikeiKaisuu(1, 1), 0);
}

TEST(Statistics, CountsPointsPeriodsAndBests) {
    Store s;
    const double today = s.today();
    s.writeRecords({
        rec(today, 1, 1, 30),       // 11 points, today
        rec(today, 1, 1, 99999),    // time-over: written, not counted, no points
        rec(today - 1, 1, 1, 100),  // 4 points, yesterday: period A only
        rec(today - 6, 1, 1, 60),   // 5 points, inside seven days
        rec(today - 7, 1, 1, 20),   // 19 points, exactly seven days ago: outside period A
        rec(today, 2, 1, 45),       // another student
        rec(today - 2, 2, 3, 140),  // level 3
    });
    s.results->回数求();
    EXPECT_EQ(s.g->RecordSuu, 7);
    EXPECT_EQ(s.g->RuikeiKaisuu(1, 1), 4);
    EXPECT_EQ(s.g->RuikeiPoint(1, 1), 11 + 4 + 5 + 19);
    EXPECT_EQ(s.g->HonjituKaisuu(1, 1), 1.0f);
    EXPECT_EQ(s.g->HonjituPoint(1, 1), 11);
    EXPECT_EQ(s.g->KikanKaisuuA(1, 1), 3);
    EXPECT_EQ(s.g->KikanPointA(1, 1), 11 + 4 + 5);
    EXPECT_EQ(s.g->KikanKaisuuB(1, 1), 1);
    EXPECT_EQ(s.g->KikanPointB(1, 1), 11);
    EXPECT_EQ(s.g->JikoBest(1, 1), 20);
    EXPECT_EQ(s.g->JikoBest(2, 1), 45);
    EXPECT_EQ(s.g->JikoBest(2, 3), 140);
    EXPECT_EQ(s.g->LevelBest[1], 20);
    EXPECT_EQ(s.g->LevelBest[2], kNoTime);
    EXPECT_EQ(s.g->LevelBest[3], 140);

    // A reload after the file changed starts from scratch: nothing of the old figures stays.
    s.writeRecords({rec(today, 2, 1, 50)});
    s.results->回数求();
    EXPECT_EQ(s.g->RuikeiKaisuu(1, 1), 0);
    EXPECT_EQ(s.g->RuikeiPoint(1, 1), 0);
    EXPECT_EQ(s.g->HonjituKaisuu(1, 1), 0.0f);
    EXPECT_EQ(s.g->JikoBest(1, 1), kNoTime);
    EXPECT_EQ(s.g->LevelBest[1], 50);
    EXPECT_EQ(s.g->LevelBest[3], kNoTime);
}

TEST(Statistics, TakeMemoryOnlyForTheStudentsInTheFile) {
    Store s;
    const double today = s.today();
    s.writeRecords({rec(today, 1, 1, 30), rec(today - 1, 7, 2, 80), rec(today, 7, 3, 99999)});
    s.results->回数求();
    const hensuu1& g = *s.g;  // reads through a const table take no memory
    for (const auto* table : {&g.RuikeiKaisuu, &g.KikanKaisuuA, &g.KikanKaisuuB})
        EXPECT_LE(table->rowsInUse(), 2);
    for (const auto* table : {&g.RuikeiPoint, &g.KikanPointA, &g.KikanPointB, &g.HonjituPoint})
        EXPECT_LE(table->rowsInUse(), 2);
    EXPECT_LE(g.HonjituKaisuu.rowsInUse(), 2);
    EXPECT_LE(g.JikoBest.rowsInUse(), 3);  // row 0 is written at start-up
    // The untouched rows read as they always did: no best time for students, 0 for student 0
    // and for level 0.
    EXPECT_EQ(g.JikoBest(4999, 5), kNoTime);
    EXPECT_EQ(g.JikoBest(4999, 0), 0);
    EXPECT_EQ(g.JikoBest(0, 5), 0);
    EXPECT_EQ(g.JikoBest(7, 0), 0);
    EXPECT_EQ(g.JikoBest(7, 2), 80);
    EXPECT_EQ(g.JikoBest(7, 3), kNoTime);
    EXPECT_EQ(g.RuikeiPoint(4999, 1), 0);
}

TEST(Statistics, EmptyPeriodLengthCoversNothingAndABadOneIsReported) {
    Store s;
    s.g->LevelValue8[1] = Variant();
    s.writeRecords({rec(s.today(), 1, 1, 30)});
    s.results->回数求();
    EXPECT_EQ(s.g->KikanKaisuuA(1, 1), 0);
    EXPECT_EQ(s.g->KikanKaisuuB(1, 1), 1);
    s.g->LevelValue9[1] = Variant::text(QStringLiteral("一日"));
    const auto e = exitOf([&] { s.results->回数求(); });
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->text().contains(QStringLiteral("「一日」")));
}

TEST(Loader, SkipsStudentZeroNegativeDatesAndLevelZeroWithoutGaps) {
    Store s;
    const double today = s.today();
    s.writeRecords({rec(today, 1, 1, 30), rec(today, 0, 1, 10), rec(-1, 2, 1, 15), rec(today, 3, 0, 20),
                    rec(today, 4, 2, 40)});
    s.results->回数求();
    ASSERT_EQ(s.g->RecordSuu, 2);
    EXPECT_EQ(s.g->RecBangou[1], 1);
    EXPECT_EQ(s.g->RecBangou[2], 4);
    EXPECT_EQ(s.g->RuikeiKaisuu(2, 1), 0);
    // The best time is taken before the skip: the negative-date record still sets student 2's.
    EXPECT_EQ(s.g->JikoBest(2, 1), 15);
    EXPECT_EQ(s.g->LevelBest[1], 15);
}

TEST(Loader, ReadsOnlyTheNewest20000Records) {
    Store s;
    const double today = s.today();
    std::vector<SeisekiRec> recs;
    recs.push_back(rec(today, 9, 1, 1));  // the oldest: not read
    for (int i = 0; i < 20000; ++i) recs.push_back(rec(today, 1 + i % 3, 1 + i % 3, 100 + i % 50));
    s.writeRecords(recs);
    s.results->回数求();
    EXPECT_EQ(s.g->RecordSuu, 20000);
    EXPECT_EQ(s.g->RecBangou[1], 1);
    EXPECT_EQ(s.g->JikoBest(9, 1), kNoTime);
    EXPECT_EQ(s.g->RuikeiKaisuu(1, 1) + s.g->RuikeiKaisuu(2, 2) + s.g->RuikeiKaisuu(3, 3), 20000);
}

TEST(Loader, ARecordOutOfRangeEndsWithTheDiagnostic) {
    for (const SeisekiRec& bad :
         {rec(45000, 1, 36, 30), rec(45000, 5001, 1, 30), rec(45000, -1, 1, 30), rec(45000, 1, -1, 30)}) {
        Store s;
        s.writeRecords({rec(s.today(), 1, 1, 30), bad});
        const auto e = exitOf([&] { s.results->回数求(); });
        ASSERT_TRUE(e);
        EXPECT_TRUE(e->text().startsWith(QStringLiteral("成績ランダムファイル表示")))
            << e->text().toStdString();
        EXPECT_TRUE(e->text().contains(QStringLiteral("/i=2/"))) << e->text().toStdString();
        EXPECT_TRUE(
            e->text().contains(QStringLiteral("/Bangou=%1/level=%2/").arg(bad.bangou).arg(bad.level)));
        EXPECT_TRUE(e->text().contains(QStringLiteral("2 番目の記録")));
    }
}

// Every reader of the shared file: the reload of the statistics and the hub's lists of attempts.
// A read that stops before the length the file gave is an error naming the file and what was
// expected, never a quietly shorter table without the newest records; and nothing is written.
TEST(Loader, AReadCutShortEndsWithTheDiagnosticAndWritesNothing) {
    Store s;
    s.writeRecords({rec(s.today(), 1, 1, 30), rec(s.today(), 2, 1, 40), rec(s.today(), 3, 1, 50)});
    const QByteArray before = test::readBytes(s.shared());
    for (const std::int64_t end : {std::int64_t(0), std::int64_t(44), std::int64_t(100)}) {
        SCOPED_TRACE(end);
        const test::ShortReads cut(s.shared(), end);
        const auto e = exitOf([&] { s.results->回数求(); });
        ASSERT_TRUE(e);
        EXPECT_TRUE(e->text().startsWith(QStringLiteral("成績ランダムファイル表示")))
            << e->text().toStdString();
        EXPECT_TRUE(e->text().contains(s.shared())) << e->text().toStdString();
        EXPECT_TRUE(e->text().contains(QStringLiteral("読み切れません"))) << e->text().toStdString();
        EXPECT_TRUE(e->text().contains(QStringLiteral("新しい記録 3 件 (132 バイト)")))
            << e->text().toStdString();

        const ProgramError hub = test::errorOf([&] { (void)readNewestRecords(s.shared(), 20000, s.waiter); });
        EXPECT_EQ(hub.number(), ProgramError::DeviceIo);
        EXPECT_TRUE(hub.description().contains(s.shared())) << hub.description().toStdString();
        EXPECT_TRUE(hub.description().contains(QStringLiteral("新しい記録 3 件")))
            << hub.description().toStdString();
        EXPECT_GT(cut.shortened(), 0);
    }
    EXPECT_EQ(test::readBytes(s.shared()), before);
    EXPECT_FALSE(QFile::exists(s.home()));
    // Read whole, the same file loads as it should.
    s.results->回数求();
    EXPECT_EQ(s.g->RecordSuu, 3);
    EXPECT_EQ(readNewestRecords(s.shared(), 20000, s.waiter).size(), 3u);
}

// While another copy appends, Windows refuses reads of the file: the reload waits a second at a
// time, as the append does, and then loads every record; it never ends the program for it.
TEST(Loader, ReadsBarredByAnotherCopysAppendWaitAndLoadEveryRecord) {
    Store s;
    s.writeRecords({rec(s.today(), 1, 1, 30), rec(s.today(), 2, 1, 40), rec(s.today(), 3, 1, 50)});
    {
        const test::ShortReads locked(s.shared(), -1, 3);
        ASSERT_NO_THROW(s.results->回数求());
        EXPECT_EQ(locked.refused(), 3);
    }
    EXPECT_EQ(s.waiter.waits, (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(s.g->RecordSuu, 3);
    EXPECT_EQ(s.g->RetryCount, 0);  // not the retries of a folder that cannot be reached
}

TEST(Loader, AnUnreachableFolderIsTriedFourTimesFiveSecondsApart) {
    Store s;
    s.g->DataFolder = s.dir.path() + QStringLiteral("/share-not-mounted/");
    const auto e = exitOf([&] { s.results->回数求(); });
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->text().startsWith(QStringLiteral("ファイルがありません")));
    EXPECT_EQ(s.waiter.waits, (std::vector<double>{5, 5, 5, 5}));
    EXPECT_EQ(s.g->RetryCount, 4);
}

namespace {

// A classroom file with a bit of everything the reload must get exactly right: all 35 levels with
// targets up to 2500 s (times of four digits and more), single-precision factors, period lengths of
// 0, 1, 2.5 and 30 days, empty and written as text; times of 0, equal to the target, 5999 and 6000,
// time-overs, negative times; dates in the future, with a time part, negative; students 0, 4999 and
// 5000, level 0. More than 20000 records, so the oldest are left out. Deterministic: the raw
// mt19937 stream is the same with every standard library.
QByteArray variedClassroomFile(std::uint32_t seed, int records, double today, int students) {
    std::mt19937 random{seed};
    const auto pick = [&](std::uint32_t n) { return int(random() % n); };
    QByteArray b;
    for (int i = 0; i < records; ++i) {
        SeisekiRec r;
        const int who = pick(100);
        r.bangou = Integer(who < 2 ? 0 : who < 4 ? 4999 : who < 6 ? 5000 : 1 + pick(std::uint32_t(students)));
        r.level = Integer(pick(100) < 2 ? 0 : 1 + pick(35));
        const int when = pick(100);
        r.hiduke = when < 1   ? -1.0 - pick(3)
                   : when < 3 ? today + 1
                              : today - pick(45) + (when < 6 ? 0.5 : 0.0);
        r.jikoku = timeOfDayValue(pick(86400));
        const Long target = 20 + 70 * ((r.level * 7) % 36);
        const int kind = pick(100);
        r.time = kind < 3    ? kNoTime
                 : kind < 4  ? 99998
                 : kind < 5  ? 0
                 : kind < 7  ? target
                 : kind < 8  ? 5999 + pick(2)
                 : kind < 9  ? -pick(150)
                 : kind < 10 ? 100000 + pick(2000000)
                             : Long(pick(std::uint32_t(target) * 12 + 1));
        b += encode(r);
    }
    return b;
}

// FNV-1a over the bytes of every entry, in order; `h` carries the digest on from earlier entries.
template <typename T>
std::uint64_t digestOf(const T* first, std::size_t count, std::uint64_t h = 14695981039346656037ull) {
    const auto* p = reinterpret_cast<const unsigned char*>(first);
    for (std::size_t i = 0; i < count * sizeof(T); ++i) h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

// Every table the reload fills, each as one digest, so a difference names its table.
std::map<std::string, std::uint64_t> reloadDigests(hensuu1& g) {
    // Row by row through reads that take no memory, as if the table were one array.
    const auto whole = [](const auto& table) {
        std::uint64_t h = 14695981039346656037ull;
        for (int a = 0; a <= table.maxA(); ++a)
            for (int b = 0; b <= table.maxB(); ++b) h = digestOf(&table(a, b), 1, h);
        return h;
    };
    const auto slots = [&g](auto& table) { return digestOf(&table[1], std::size_t(g.RecordSuu)); };
    return {{"RuikeiKaisuu", whole(g.RuikeiKaisuu)},   {"RuikeiPoint", whole(g.RuikeiPoint)},
            {"HonjituKaisuu", whole(g.HonjituKaisuu)}, {"HonjituPoint", whole(g.HonjituPoint)},
            {"KikanKaisuuA", whole(g.KikanKaisuuA)},   {"KikanPointA", whole(g.KikanPointA)},
            {"KikanKaisuuB", whole(g.KikanKaisuuB)},   {"KikanPointB", whole(g.KikanPointB)},
            {"JikoBest", whole(g.JikoBest)},           {"LevelBest", digestOf(&g.LevelBest[0], 36)},
            {"RecordSuu", std::uint64_t(g.RecordSuu)}, {"RecHiduke", slots(g.RecHiduke)},
            {"RecJikoku", slots(g.RecJikoku)},         {"RecBangou", slots(g.RecBangou)},
            {"RecLevel", slots(g.RecLevel)},           {"RecTime", slots(g.RecTime)}};
}

}  // namespace

// The digests below were taken from the first, straightforward reload (one bounds-checked step per
// record and table) before the reload was made fast; a faster reload must give the same bits.
TEST(Statistics, AVariedClassroomFileGivesTheSameTablesBitForBit) {
    Store s;
    const float factors[] = {1.0f, 1.2f, 1.5f, 0.7f, 2.25f, 0.1f, 3.3f};
    const Variant periods[] = {Variant::number(7),
                               Variant::number(1),
                               Variant::number(0),
                               Variant::number(30),
                               Variant::number(2.5),
                               Variant(),
                               Variant::text(QStringLiteral("3"))};
    for (int l = 1; l <= kMaxLevelIndex; ++l) {
        s.g->GoukakuTime[l] = 20 + 70 * ((l * 7) % 36);
        s.g->LevelPoint[l] = factors[l % 7];
        s.g->LevelValue8[l] = periods[l % 7];
        s.g->LevelValue9[l] = periods[(l * 3) % 7];
    }
    const double today = s.today();
    const QByteArray big = variedClassroomFile(20240510, kMaxRecordSlots + 37, today, 40);
    const QByteArray small = variedClassroomFile(7, 500, today, 12);

    const std::map<std::string, std::uint64_t> expectedBig = {
        {"HonjituKaisuu", 0xc2dc6ac9d6ce3805ull}, {"HonjituPoint", 0xd1e75a6322325fa8ull},
        {"JikoBest", 0xe8170c608a054f8aull},      {"KikanKaisuuA", 0x1cade47ae6fcb7fbull},
        {"KikanKaisuuB", 0x4f1629c2121b7097ull},  {"KikanPointA", 0x9240491193345634ull},
        {"KikanPointB", 0x2e07d3898f501635ull},   {"LevelBest", 0x0eea6ad15a25c205ull},
        {"RecBangou", 0x8b8bae9e53e52bdbull},     {"RecHiduke", 0xb1621fcbb2b64569ull},
        {"RecJikoku", 0xfe533317adb1b001ull},     {"RecLevel", 0x064fb06a873a1097ull},
        {"RecTime", 0xc652639d404c321full},       {"RecordSuu", 0x0000000000004a58ull},
        {"RuikeiKaisuu", 0x97ff1be38637d9f0ull},  {"RuikeiPoint", 0xd9ea309aeed1f10cull},
    };
    const std::map<std::string, std::uint64_t> expectedSmall = {
        {"HonjituKaisuu", 0x0a6baad8a3288908ull}, {"HonjituPoint", 0x978bb22c10ca8164ull},
        {"JikoBest", 0x440d146b45e6ffc3ull},      {"KikanKaisuuA", 0xfa69987a1edf9726ull},
        {"KikanKaisuuB", 0xbc2c7ab58a20c3d4ull},  {"KikanPointA", 0x7389ce8d8979fec9ull},
        {"KikanPointB", 0xa93e0a3be96d4463ull},   {"LevelBest", 0x6daa7d7de0fd742dull},
        {"RecBangou", 0x15792e9a166163fbull},     {"RecHiduke", 0x5b1551257d590adcull},
        {"RecJikoku", 0x87d5cbc4def1388dull},     {"RecLevel", 0x53f6c7666a686e6aull},
        {"RecTime", 0xc85bdc1e85926192ull},       {"RecordSuu", 0x00000000000001e0ull},
        {"RuikeiKaisuu", 0x4cbeb4940dd17e1dull},  {"RuikeiPoint", 0x73124a219e1b1a18ull},
    };
    // The second file has fewer and other students: rows of the first must not linger.
    for (const auto& [file, expected] :
         {std::pair{big, expectedBig}, {small, expectedSmall}, {big, expectedBig}}) {
        test::writeBytes(s.shared(), file);
        s.results->回数求();
        const auto got = reloadDigests(*s.g);
        for (const auto& [table, digest] : expected)
            EXPECT_EQ(got.at(table), digest)
                << table << " after a file of " << file.size() / 44 << " records";
    }
}

namespace {

// The statistics as the procedure is written: one step per record of the slots and per table.
// The one-pass reload is compared with it. Student 0 keeps no figures.
void addUpStepByStep(const hensuu1& g, double today, Statistics& out) {
    for (int k = 1; k <= g.RecordSuu; ++k) {
        const int s = g.RecBangou[k], l = g.RecLevel[k];
        const Long t = g.RecTime[k];
        if (s == 0 || l < 1 || l > kMaxLevelIndex) continue;
        const double periodA = g.LevelValue8[l].toNumber().value_or(0);
        const double periodB = g.LevelValue9[l].toNumber().value_or(0);
        const bool counted = t < 6000;
        const Long p = statisticsPoints(g, t, l);
        const double date = g.RecHiduke[k];
        if (counted) ++out.RuikeiKaisuu(s, l);
        out.RuikeiPoint(s, l) += p;
        if (date > today - periodA) {
            if (counted) ++out.KikanKaisuuA(s, l);
            out.KikanPointA(s, l) += p;
        }
        if (date > today - periodB) {
            if (counted) ++out.KikanKaisuuB(s, l);
            out.KikanPointB(s, l) += p;
        }
        if (std::floor(date) == today) {
            if (counted) out.HonjituKaisuu(s, l) += 1;
            out.HonjituPoint(s, l) += p;
        }
    }
}

}  // namespace

TEST(Statistics, TheOnePassReloadAddsUpAsTheStepByStepProcedureDoes) {
    // Factors below 0 and above 1 too: sums that go down take the reload's checked road.
    const float factors[] = {1.0f, -1.5f, 1.2f, -0.25f, 2.25f, 0.1f, 3.3f};
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        Store s;
        for (int l = 1; l <= kMaxLevelIndex; ++l) {
            s.g->GoukakuTime[l] = 20 + 70 * ((l * 7) % 36);
            s.g->LevelPoint[l] = factors[(l + seed) % 7];
            s.g->LevelValue8[l] = Variant::number(double((l * seed) % 31));
            s.g->LevelValue9[l] = Variant::number(double(l % 3));
        }
        test::writeBytes(s.shared(), variedClassroomFile(seed, 3000, s.today(), 25));
        s.results->回数求();
        auto oracle = std::make_unique<Statistics>();
        addUpStepByStep(*s.g, s.today(), *oracle);
        const Statistics& got = *s.g;
        int differences = 0;
        for (int st = 1; st <= kMaxStudent; ++st)
            for (int l = 1; l <= kMaxLevelIndex; ++l) {
                const bool same = got.RuikeiKaisuu(st, l) == oracle->RuikeiKaisuu(st, l) &&
                                  got.RuikeiPoint(st, l) == oracle->RuikeiPoint(st, l) &&
                                  got.KikanKaisuuA(st, l) == oracle->KikanKaisuuA(st, l) &&
                                  got.KikanPointA(st, l) == oracle->KikanPointA(st, l) &&
                                  got.KikanKaisuuB(st, l) == oracle->KikanKaisuuB(st, l) &&
                                  got.KikanPointB(st, l) == oracle->KikanPointB(st, l) &&
                                  got.HonjituKaisuu(st, l) == oracle->HonjituKaisuu(st, l) &&
                                  got.HonjituPoint(st, l) == oracle->HonjituPoint(st, l);
                if (!same && ++differences <= 3)
                    ADD_FAILURE() << "student " << st << " level " << l << ": points "
                                  << got.RuikeiPoint(st, l) << " against " << oracle->RuikeiPoint(st, l);
            }
        EXPECT_EQ(differences, 0);
        EXPECT_GT(s.g->RecordSuu, 2500);  // the file was read, not refused
    }
}

TEST(Statistics, ANewLevelTableIsUsedAtTheNextReload) {
    Store s;
    const double today = s.today();
    s.writeRecords({rec(today, 1, 1, 30), rec(today, 1, 1, 100), rec(today, 1, 1, 99999)});
    s.results->回数求();
    EXPECT_EQ(s.g->RuikeiPoint(1, 1), 11 + 4 + 0);
    struct Case {
        Long target;
        float factor;
        Long points;  // of 30, 100 and the time-over together
    };
    const Case cases[] = {
        {60, 2.0f, 22 + 8},           // the factor changed
        {120, 2.0f, 2 * 26 + 2 * 5},  // the target changed: 30 and 100 are both within it
        {120, 1.5f, 39 + 7},
        {60, 1.0f, 11 + 4},  // back to the first table
    };
    for (const Case& c : cases) {
        s.g->GoukakuTime[1] = c.target;
        s.g->LevelPoint[1] = c.factor;
        s.results->回数求();
        EXPECT_EQ(s.g->RuikeiPoint(1, 1), c.points) << c.target << " × " << c.factor;
        EXPECT_EQ(s.g->RuikeiPoint(1, 1), s.results->KeisanPoint(30, 1) + s.results->KeisanPoint(100, 1) +
                                              s.results->KeisanPoint(99999, 1));
    }
}

TEST(Statistics, PointsBelowZeroAndTheFirstFailureInOrder) {
    const double today = Store().today();
    // A negative factor makes sums that go down: they are added up step by step, exactly.
    {
        Store s;
        s.g->LevelPoint[1] = -1.0f;
        s.writeRecords({rec(today, 1, 1, 30), rec(today - 3, 1, 1, 100), rec(today, 2, 1, 60)});
        s.results->回数求();
        EXPECT_EQ(s.g->RuikeiPoint(1, 1), -11 - 4);
        EXPECT_EQ(s.g->KikanPointA(1, 1), -11 - 4);
        EXPECT_EQ(s.g->HonjituPoint(1, 1), -11);
        EXPECT_EQ(s.g->HonjituKaisuu(1, 1), 1.0f);
        EXPECT_EQ(s.g->RuikeiPoint(2, 1), -5);
    }
    struct Case {
        const char* what;
        std::vector<SeisekiRec> records;
        QString startsWith;
    };
    // 55 × 2^24 points a record: the 24th of today's overflows period A's sum first.
    const std::vector<SeisekiRec> many(24, rec(today, 1, 1, 0));
    std::vector<SeisekiRec> thenOutOfRange = many;
    thenOutOfRange.push_back(rec(today, 1, 36, 30));
    std::vector<SeisekiRec> thenBadPeriod = many;
    thenBadPeriod.push_back(rec(today, 1, 2, 30));
    const Case cases[] = {
        {"a sum past the 32-bit range", many, QStringLiteral("期間Aのポイント の合計が大きすぎて")},
        {"a record out of range after it", thenOutOfRange, QStringLiteral("成績ランダムファイル表示")},
        {"a bad period length after it", thenBadPeriod, QStringLiteral("期間Aのポイント の合計が大きすぎて")},
    };
    for (const Case& c : cases) {
        Store s;
        s.g->LevelPoint[1] = 16777216.0f;
        s.g->LevelValue9[2] = Variant::text(QStringLiteral("一日"));
        s.writeRecords(c.records);
        const auto e = exitOf([&] { s.results->回数求(); });
        ASSERT_TRUE(e) << c.what;
        EXPECT_TRUE(e->text().contains(c.startsWith)) << c.what << ": " << e->text().toStdString();
    }
}

TEST(Recording, FlagsAndBestsUseStrictComparisons) {
    Store s;
    s.writeRecords({rec(s.today(), 1, 1, 50), rec(s.today(), 1, 1, 50), rec(s.today(), 2, 1, 40)});
    s.results->回数求();
    const auto record = [&s](Long time) {
        return s.results->Seisekikiroku(Attempt{1, 1, time, time == kNoTime});
    };

    AttemptOutcome o = record(50);  // equal to the personal best: nothing
    EXPECT_EQ(o.JikoBestFlag, 0);
    EXPECT_EQ(o.SaikouFlag, 0);
    EXPECT_EQ(o.KiteiClearFlag, 0);  // 2 attempts, 10 points < 20

    o = record(45);  // a personal best, not the best of all
    EXPECT_EQ(o.JikoBestFlag, 1);
    EXPECT_EQ(o.SaikouFlag, 0);
    EXPECT_EQ(s.g->JikoBest(1, 1), 45);

    EXPECT_EQ(record(40).SaikouFlag, 0);  // equal to the best of all
    o = record(39);
    EXPECT_EQ(o.SaikouFlag, 1);
    EXPECT_EQ(s.g->LevelBest[1], 39);

    o = record(99999);  // a time-over is recorded but is never a best
    EXPECT_EQ(o.JikoBestFlag, 0);
    EXPECT_EQ(o.SaikouFlag, 0);
    EXPECT_EQ(test::readBytes(s.shared()).size(), 8 * 44);  // three loaded, five appended

    // The thresholds are judged on the figures from before this attempt.
    s.results->回数求();
    EXPECT_EQ(record(99999).KiteiClearFlag, 1);  // 6 counted attempts, 5+5+5+5+6+7 ≥ 20 points
}

TEST(KeySort, SortsAscendingAndPutsTheRightHalfFirstOnTies) {
    // keys at positions 1..n; values name where each entry came from
    std::vector<Long> keys = {0, 5, 3, 5, 1, 3, 5};
    std::vector<QString> values = {"", "a", "b", "c", "d", "e", "f"};
    キー順並べ替え(6, keys, values);
    EXPECT_EQ(keys, (std::vector<Long>{0, 1, 3, 3, 5, 5, 5}));
    // Halves 1..3 and 4..6: in each merge an equal right entry goes first.
    EXPECT_EQ(values, (std::vector<QString>{"", "d", "e", "b", "f", "c", "a"}));

    std::vector<Long> two = {0, 7, 7};
    std::vector<int> order = {0, 1, 2};
    キー順並べ替え(2, two, order);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 1}));

    std::vector<Long> many(1001);
    std::vector<int> idx(1001);
    for (int i = 1; i <= 1000; ++i) many[std::size_t(i)] = (i * 7919) % 1000, idx[std::size_t(i)] = i;
    キー順並べ替え(1000, many, idx);
    for (int i = 2; i <= 1000; ++i) ASSERT_LE(many[std::size_t(i - 1)], many[std::size_t(i)]);
    for (int i = 1; i <= 1000; ++i) EXPECT_EQ((idx[std::size_t(i)] * 7919) % 1000, many[std::size_t(i)]);
}
