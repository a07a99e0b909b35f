// The records hub's texts and ranking lists, and today's attempts, apart from the screen.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <memory>

#include "records/Ranking.h"
#include "records/RecordFormat.h"
#include "roster/Roster.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

const QDate kToday(2024, 5, 10);

struct Student {
    int number;
    int born;
    const char16_t* name;
};
// School year 2024: born 2015 is 小３ (①…③ marks), 2018 is kindergarten, 1985 the teacher.
const Student kRoster[] = {{1, 1985, u"やまだ先生"},
                           {2, 2015, u"さとう　たろう"},
                           {3, 2018, u"すずき　はなこ"},
                           {4, 2015, u"いとう　さくら"}};

// A classroom of four with three levels of target time 60 s; student 2 is the one working.
std::unique_ptr<hensuu1> classroom(int rows = 4) {
    auto g = std::make_unique<hensuu1>();
    g->Nendo = 2024;
    g->LevelCount = g->MaxLevel = 3;
    for (int l = 1; l <= 3; ++l) {
        g->GoukakuTime[l] = 60;
        g->SeigenTime[l] = 120;
        g->HituyouKaisuu[l] = 30;
        g->HituyouKaisuu2[l] = 3;
        g->LevelPoint[l] = 1;
        g->LevelValue8[l] = Variant::number(7);
        g->LevelValue9[l] = Variant::number(1);
        g->LevelName[l] =
            l == 1 ? QStringLiteral("レベル1") : QStringLiteral("レベル%1").arg(QChar(u'０' + l));
    }
    g->BangouList.assign(std::size_t(rows) + 1, Variant());
    for (int r = 1; r <= rows; ++r) {
        const Student& s = kRoster[r - 1];
        g->BangouList[std::size_t(r)] = Variant::number(s.number);
        g->BangouNamae[s.number] = fixedText(QString::fromUtf16(s.name));
        g->BangouUmare[s.number] = Integer(s.born);
    }
    g->MeiboKazu = Integer(rows);
    g->SeitoBangou = 2;
    g->SeitoNamae = g->BangouNamae[2];
    g->SeitoGakunen = QStringLiteral("小３");
    for (int s = 0; s <= 4; ++s)
        for (int l = 1; l <= 3; ++l) g->JikoBest(s, l) = kNoTime;
    return g;
}

void setPoints(hensuu1& g, int student, int level, Long all, Long today) {
    g.RuikeiPoint(student, level) = all;
    g.HonjituPoint(student, level) = today;
}

std::vector<QString> texts(const std::vector<RankingLine>& lines) {
    std::vector<QString> out;
    for (const RankingLine& l : lines) out.push_back(l.text);
    return out;
}

SeisekiRec rec(QDate day, int hh, int mm, int ss, int student, int level, Long time) {
    SeisekiRec r;
    r.hiduke = dateValue(day);
    r.jikoku = timeOfDayValue(hh * 3600 + mm * 60 + ss);
    r.bangou = Integer(student);
    r.level = Integer(level);
    r.time = time;
    return r;
}

}  // namespace

// ---- texts of the header and the level rows ----

TEST(HubTexts, GoalAndPeriodOfALevel) {
    auto g = classroom();
    struct Case {
        Long target, points;
        Integer attempts;
        float factor;
        const char16_t* expected;
    } cases[] = {
        {60, 100, 5, 1.5f, u"目標=60秒 5回/100点(×1.5)"}, {180, 30, 5, 1, u"目標=180秒 5回/30点(×1)"},
        {90, 40, 2, 1.1f, u"目標=90秒 2回/40点(×1.1)"},  // single precision, not 1.10000002384
        {60, 9999, 5, 1.5f, u"目標=60秒 --------"},       {60, 9998, 5, 2, u"目標=60秒 5回/9998点(×2)"},
    };
    for (const Case& c : cases) {
        g->GoukakuTime[2] = c.target;
        g->HituyouKaisuu[2] = c.points;
        g->HituyouKaisuu2[2] = c.attempts;
        g->LevelPoint[2] = c.factor;
        EXPECT_EQ(goalText(*g, 2), QString::fromUtf16(c.expected));
    }
    g->KikanKaisuuA(2, 1) = 3;
    g->KikanPointA(2, 1) = 33;
    EXPECT_EQ(periodText(*g, 2, 1), QStringLiteral("最近7日=3回 / 33点"));
    EXPECT_EQ(startCaption(3), QStringLiteral("ｽﾀｰﾄ(&3)"));
}

TEST(HubTexts, FiguresShowDashesWithoutAResult) {
    auto g = classroom();
    EXPECT_EQ(allFigures(*g, 2, 1), QStringLiteral("------"));
    EXPECT_EQ(todayFigures(*g, 2, 1), QStringLiteral("-----"));
    g->RuikeiKaisuu(2, 1) = 9;
    g->RuikeiPoint(2, 1) = 99;
    EXPECT_EQ(allFigures(*g, 2, 1), QStringLiteral("9回/99点"));
    EXPECT_EQ(todayFigures(*g, 2, 1), QStringLiteral("-----"));  // none of them today
    g->HonjituKaisuu(2, 1) = 2;
    g->HonjituPoint(2, 1) = 22;
    EXPECT_EQ(todayFigures(*g, 2, 1), QStringLiteral("2回/22点"));
    g->HonjituKaisuu(2, 3) = 1;
    EXPECT_EQ(todaysAttempts(*g, 2), 3);
    EXPECT_EQ(todaysAttemptsText(3), QStringLiteral("本日総回数＝3回"));
}

TEST(HubTexts, Header) {
    auto g = classroom();
    g->KyoutuuName = QStringLiteral("ひまわり教室");
    EXPECT_EQ(studentText(*g), QStringLiteral("小３ さとう　たろう"));
    EXPECT_EQ(classroomText(*g), QStringLiteral("ひまわり教室:2"));
    EXPECT_EQ(titlePointSize(QStringLiteral("ペクル")), 24);
    EXPECT_EQ(titlePointSize(QStringLiteral("あいうえおかきくけ")), 24);    // 9 characters
    EXPECT_EQ(titlePointSize(QStringLiteral("あいうえおかきくけこ")), 20);  // 10
    struct Case {
        double now;
        Long since;
        int minutes;
    } cases[] = {
        {36059.9, 36000, 0},
        {36060, 36000, 1},
        {36000 + 3599.5, 36000, 59},
        {120.2, 86340, 3},  // chosen at 23:59, now 00:02: across midnight, never negative
    };
    for (const Case& c : cases) EXPECT_EQ(minutesSince(c.now, c.since), c.minutes) << c.now;
    EXPECT_EQ(minutesText(12), QStringLiteral("起動後12分"));
}

TEST(HubTexts, MaxLevelClearNeedsBothGoalsOfTheLastLevel) {
    auto g = classroom();
    struct Case {
        Long points;
        Integer attempts;
        Integer clear;
    } cases[] = {{30, 3, 1}, {29, 3, 0}, {30, 2, 0}, {500, 9, 1}, {0, 0, 0}};
    for (const Case& c : cases) {
        g->KikanPointA(2, 3) = c.points;
        g->KikanKaisuuA(2, 3) = c.attempts;
        EXPECT_EQ(maxLevelClear(*g, 2), c.clear) << c.points << "/" << c.attempts;
    }
    g->KikanPointA(2, 3) = g->KikanKaisuuA(2, 3) = 0;
    g->KikanPointA(2, 2) = 100;
    g->KikanKaisuuA(2, 2) = 10;
    EXPECT_EQ(maxLevelClear(*g, 2), 0);  // only MaxLevel counts
}

// ---- ranking lists ----

TEST(HubRanking, EqualPointsShareARankAndTheNextTakesItsPosition) {
    auto g = classroom();
    setPoints(*g, 1, 1, 50, 0);
    setPoints(*g, 2, 1, 30, 5);
    setPoints(*g, 3, 1, 30, 5);
    setPoints(*g, 4, 1, 10, 0);
    const auto ranked = rankStudents(*g, 1, RankingOrder::AllPoints);
    ASSERT_EQ(ranked.size(), 4u);
    std::vector<int> ranks, students;
    for (const auto& r : ranked) ranks.push_back(r.rank), students.push_back(r.student);
    EXPECT_EQ(ranks, (std::vector<int>{1, 2, 2, 4}));
    // Equal keys: the merge sort puts the entry of the right half first.
    EXPECT_EQ(students, (std::vector<int>{1, 3, 2, 4}));
}

TEST(HubRanking, KeysOfThePointsListsBreakTiesWithTheOtherFigure) {
    struct Case {
        RankingOrder order;
        Long all[4], today[4];
        std::vector<int> students, ranks;
    } cases[] = {
        // All points equal: today's points decide the order, the rank stays shared.
        {RankingOrder::AllPoints, {40, 40, 40, 0}, {0, 12, 3, 0}, {2, 3, 1, 4}, {1, 1, 1, 4}},
        // By today's points, all points break the tie.
        {RankingOrder::TodayPoints, {10, 90, 50, 0}, {7, 7, 7, 0}, {2, 3, 1, 4}, {1, 1, 1, 4}},
        {RankingOrder::TodayPoints, {100, 0, 20, 5}, {0, 0, 20, 5}, {3, 4, 1, 2}, {1, 2, 3, 3}},
        // 1000 points today would count as one more point in all with 1000000 − all × 1000 − today:
        // the student with more points in all still comes first.
        {RankingOrder::AllPoints, {1000, 1001, 0, 0}, {1000, 0, 0, 0}, {2, 1, 4, 3}, {1, 2, 3, 3}},
        // Figures far beyond what the 32-bit keys 1000000 − x × 1000 could hold.
        {RankingOrder::AllPoints, {3000000, 2999999, 5, 5}, {0, 0, 1, 2}, {1, 2, 4, 3}, {1, 2, 3, 3}},
    };
    for (const Case& c : cases) {
        auto g = classroom();
        for (int s = 1; s <= 4; ++s) setPoints(*g, s, 2, c.all[s - 1], c.today[s - 1]);
        std::vector<int> students, ranks;
        for (const auto& r : rankStudents(*g, 2, c.order))
            students.push_back(r.student), ranks.push_back(r.rank);
        EXPECT_EQ(students, c.students) << int(c.order) << " " << c.all[0];
        EXPECT_EQ(ranks, c.ranks) << int(c.order) << " " << c.all[0];
    }
}

TEST(HubRanking, LineLayouts) {
    auto g = classroom();
    setPoints(*g, 1, 1, 345, 0);
    setPoints(*g, 2, 1, 30, 11);
    setPoints(*g, 3, 1, 30, 11);
    setPoints(*g, 4, 1, 1234, 1234);  // wider than its place: shown whole, never cut
    EXPECT_EQ(texts(rankingLines(*g, 1, RankingOrder::AllPoints, QStringLiteral("全学年"))),
              (std::vector<QString>{
                  QStringLiteral(" 1③いとう　さ1234/ 1234"), QStringLiteral(" 2　やまだ先生  0/  345"),
                  QStringLiteral(" 3　すずき　は 11/   30"), QStringLiteral(" 3●さとう　た 11/   30")}));

    g->JikoBest(2, 1) = 57;
    g->JikoBest(3, 1) = 57;
    g->JikoBest(1, 1) = 123;
    EXPECT_EQ(texts(rankingLines(*g, 1, RankingOrder::BestTime, QStringLiteral("全学年"))),
              (std::vector<QString>{
                  QStringLiteral(" 1　すずき　は    57 　"), QStringLiteral(" 1●さとう　た    57 ●"),
                  QStringLiteral(" 3　やまだ先生   123 　"), QStringLiteral("--③いとう　さ------ 　")}));
    // No time at all on level 2: every line shows the dashes, the chosen one still its marks.
    EXPECT_EQ(texts(rankingLines(*g, 2, RankingOrder::BestTime, QStringLiteral("全学年")))[2],
              QStringLiteral("--●さとう　た------ ●"));
}

TEST(HubRanking, TheGradeFilterKeepsThirdGradersAndTheChosenLine) {
    auto g = classroom();
    for (int s = 1; s <= 4; ++s) setPoints(*g, s, 1, 10 * s, 0);
    struct Case {
        const char16_t* filter;
        std::vector<int> students;
    } cases[] = {
        {u"小３", {4, 2}},       {u"全学年", {4, 3, 2, 1}}, {u"家族", {4, 3, 2, 1}},
        {u"小学生全体", {4, 2}}, {u"中学生全体", {}},       {u"小２", {}},
        {u"あいう", {}},
    };
    for (const Case& c : cases) {
        const auto lines = rankingLines(*g, 1, RankingOrder::AllPoints, QString::fromUtf16(c.filter));
        std::vector<int> students;
        for (const auto& l : lines) {
            students.push_back(l.student);
            EXPECT_EQ(l.chosen, l.student == 2);
            EXPECT_EQ(l.text.contains(QStringLiteral("●")), l.student == 2) << l.text.toStdString();
        }
        EXPECT_EQ(students, c.students) << QString::fromUtf16(c.filter).toStdString();
    }
    // Ranks are those among the whole roster: the filter only hides lines.
    const auto third = rankingLines(*g, 1, RankingOrder::AllPoints, QStringLiteral("小３"));
    EXPECT_TRUE(third[1].text.startsWith(QStringLiteral(" 3●")));
}

// ---- today's attempts ----

TEST(HubTodaysAttempts, LinesOfTodaysRecordsInFileOrder) {
    auto g = classroom();
    const std::vector<SeisekiRec> records = {
        rec(kToday, 9, 5, 3, 2, 1, 57),              // 5 points: (3/60)³ × 50 + 5
        rec(kToday.addDays(-1), 9, 0, 0, 2, 1, 30),  // yesterday
        rec(kToday, 13, 5, 59, 3, 2, 30),            // 11 points, without the level's factor
        rec(kToday, 14, 0, 0, 4, 1, 99999),          // time-over
        rec(kToday, 14, 1, 0, 0, 1, 20),             // student 0
        rec(kToday, 14, 2, 0, 2, 4, 20),             // a level without a row here
        rec(kToday, 23, 59, 59, 1, 3, 1234),         // 0 points
        rec(kToday, 15, 0, 0, 2, 1, 89999),
    };
    g->LevelPoint[2] = 2;
    const auto lines = todaysAttemptLines(*g, records, kToday, QStringLiteral("全学年"));
    std::vector<std::pair<int, QString>> got;
    for (const auto& l : lines) got.emplace_back(l.level, l.text);
    const std::vector<std::pair<int, QString>> expected = {
        {1, QStringLiteral("  57秒 09:05●さとう　た●5")},
        {2, QStringLiteral("  30秒 13:05　すずき　は　11")},
        {1, QStringLiteral("　　× 14:00③いとう　さ③")},
        {3, QStringLiteral("1234秒 23:59　やまだ先生　0")},
        {1, QStringLiteral("89999秒 15:00●さとう　た●0")},
    };
    EXPECT_EQ(got, expected);

    const auto third = todaysAttemptLines(*g, records, kToday, QStringLiteral("小３"));
    ASSERT_EQ(third.size(), 3u);
    EXPECT_TRUE(third[0].chosen);
    EXPECT_FALSE(third[1].chosen);
    EXPECT_EQ(clockText(timeOfDayValue(0)), QStringLiteral("00:00"));
}

TEST(HubTodaysAttempts, OnlyTheNewestThousandRecordsAreRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成績累積データ.dat"));
    struct Case {
        int records;
        int expected;
    } cases[] = {{0, 0}, {3, 3}, {1000, 1000}, {1003, 1000}};
    for (const Case& c : cases) {
        QByteArray bytes;
        for (int i = 1; i <= c.records; ++i) bytes += encode(rec(kToday, 10, 0, 0, 2, 1, i));
        bytes += QByteArray(20, 'x');  // a torn record at the end is not a record
        test::writeBytes(path, bytes);
        const auto read = readNewestRecords(path, kTodaysRecordsRead);
        ASSERT_EQ(int(read.size()), c.expected) << c.records;
        if (c.expected > 0) {
            EXPECT_EQ(read.front().time, c.records - c.expected + 1);
            EXPECT_EQ(read.back().time, c.records);
        }
    }
    // A missing file is created empty, as the shared file always is.
    const QString missing = dir.filePath(QStringLiteral("new.dat"));
    EXPECT_TRUE(readNewestRecords(missing, kTodaysRecordsRead).empty());
    EXPECT_TRUE(QFile::exists(missing));
    EXPECT_THROW(readNewestRecords(dir.filePath(QStringLiteral("no/such/folder/x.dat")), 10), ProgramError);
}

// The lines are laid out by character widths: in the list's monospaced font every line of a list
// reaches its columns at the same place.
TEST(HubRanking, LinesAlignInTheListFont) {
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(15);
    ASSERT_EQ(QFontInfo(f).family(), QStringLiteral("IPAGothic")) << "fonts-ipafont-gothic is needed";
    const QFontMetricsF fm(f);
    auto g = classroom();
    setPoints(*g, 1, 1, 345, 0);
    setPoints(*g, 2, 1, 30, 11);
    g->JikoBest(2, 1) = 57;
    for (RankingOrder order : {RankingOrder::AllPoints, RankingOrder::BestTime}) {
        const auto lines = rankingLines(*g, 1, order, QStringLiteral("全学年"));
        for (const auto& l : lines)
            EXPECT_DOUBLE_EQ(fm.horizontalAdvance(l.text), fm.horizontalAdvance(lines[0].text))
                << l.text.toStdString();
    }
    const auto today = todaysAttemptLines(
        *g,
        {rec(kToday, 9, 5, 0, 2, 1, 57), rec(kToday, 9, 6, 0, 4, 1, 99999), rec(kToday, 9, 7, 0, 3, 1, 1234)},
        kToday, QStringLiteral("全学年"));
    ASSERT_EQ(today.size(), 3u);
    // The time-over line's "　　× " takes the place of "  57秒 ".
    const qsizetype clock = today[0].text.indexOf(QStringLiteral("09:05"));
    for (const auto& l : today) {
        const qsizetype at = l.text.indexOf(QStringLiteral(":")) - 2;
        EXPECT_DOUBLE_EQ(fm.horizontalAdvance(l.text.left(at)),
                         fm.horizontalAdvance(today[0].text.left(clock)))
            << l.text.toStdString();
    }
}
