// The records hub: its texts and ranking lists, today's attempts, and the screen driven headless
// through its controls and keys over a temporary data folder.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "HubFixture.h"
#include "platform/Waiter.h"
#include "records/Ranking.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "records/seisekitime1.h"
#include "roster/Roster.h"
#include "shell/ScreenManager.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"

using namespace pekuru;
using namespace pekuru::test;

namespace {

void setPoints(hensuu1& g, int student, int level, Long all, Long today) {
    g.RuikeiPoint(student, level) = all;
    g.HonjituPoint(student, level) = today;
}

std::vector<QString> texts(const std::vector<RankingLine>& lines) {
    std::vector<QString> out;
    for (const RankingLine& l : lines) out.push_back(l.text);
    return out;
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
    test::NoWait wait;
    for (const Case& c : cases) {
        QByteArray bytes;
        for (int i = 1; i <= c.records; ++i) bytes += encode(rec(kToday, 10, 0, 0, 2, 1, i));
        bytes += QByteArray(20, 'x');  // a torn record at the end is not a record
        test::writeBytes(path, bytes);
        const auto read = readNewestRecords(path, kTodaysRecordsRead, wait);
        ASSERT_EQ(int(read.size()), c.expected) << c.records;
        if (c.expected > 0) {
            EXPECT_EQ(read.front().time, c.records - c.expected + 1);
            EXPECT_EQ(read.back().time, c.records);
        }
    }
    // A missing file is created empty, as the shared file always is.
    const QString missing = dir.filePath(QStringLiteral("new.dat"));
    EXPECT_TRUE(readNewestRecords(missing, kTodaysRecordsRead, wait).empty());
    EXPECT_TRUE(QFile::exists(missing));
    EXPECT_THROW(readNewestRecords(dir.filePath(QStringLiteral("no/such/folder/x.dat")), 10, wait),
                 ProgramError);
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

// ---- the screen ----

TEST(HubScreen, ActivationFillsHeaderRowsAndListsThenTakesKeys) {
    Hub h(someAttempts());
    seisekitime1* w = h.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->KeyReady, 1);
    EXPECT_EQ(h.screens.count(unloaded(Screen::namesel)), 1);
    EXPECT_EQ(h.text(w, QStringLiteral("Label11")), QStringLiteral("ペクル"));
    EXPECT_EQ(h.find<QLabel>(w, QStringLiteral("Label11"))->font().pointSizeF(), 24);
    EXPECT_EQ(h.text(w, QStringLiteral("Label12")), QStringLiteral("小３ さとう　たろう"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label13")), QStringLiteral("ひまわり教室:2"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label17")), QStringLiteral("起動後12分"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label18")), QStringLiteral("本日総回数＝1回"));
    EXPECT_EQ(h.g->GoukeiKaisuu, 1);
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("獲得ポイント（今まで順位）"));
    EXPECT_EQ(h.find<QRadioButton>(w, QStringLiteral("Option1_1"))->text(), QStringLiteral("累計順"));
    EXPECT_TRUE(h.find<QRadioButton>(w, QStringLiteral("Option1_1"))->isChecked());
    EXPECT_TRUE(h.find<QRadioButton>(w, QStringLiteral("Option2_2"))->isChecked());
    EXPECT_EQ(w->ListMode, 2);
    EXPECT_EQ(w->PointOrder, 1);
    EXPECT_TRUE(h.find<QPushButton>(w, QStringLiteral("Command1"))->isEnabled());
    EXPECT_EQ(h.find<QPushButton>(w, QStringLiteral("Command1"))->text(), QStringLiteral("戻る(0)"));
    EXPECT_FALSE(h.find<QWidget>(w, QStringLiteral("Picture2"))->isVisible());
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Command4_4")), nullptr);  // one row per level

    // Level 1: student 2 counts the attempt of today and the one 20 days ago, not the time-over.
    EXPECT_EQ(h.find<QPushButton>(w, QStringLiteral("Command4_1"))->text(), QStringLiteral("ｽﾀｰﾄ(&1)"));
    EXPECT_TRUE(h.find<QPushButton>(w, QStringLiteral("Command4_3"))->isEnabled());
    EXPECT_EQ(h.text(w, QStringLiteral("Label7_1")), QStringLiteral("目標=60秒 3回/30点(×1)"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label8_1")), QStringLiteral("最近7日=1回 / 11点"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label15_1")), QStringLiteral("2回/16点"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label14_1")), QStringLiteral("1回/11点"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label15_2")), QStringLiteral("------"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label14_2")), QStringLiteral("-----"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label9_1")), QStringLiteral("今日"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label10_1")), QStringLiteral("今まで"));
    EXPECT_EQ(h.lines(w, 1),
              (std::vector<QString>{
                  QStringLiteral(" 1　すずき　は 33/   33"), QStringLiteral(" 2③いとう　さ 19/   19"),
                  QStringLiteral(" 3●さとう　た 11/   16"), QStringLiteral(" 4　やまだ先生  0/    0")}));
    EXPECT_EQ(h.selected(w, 1), QStringLiteral(" 3●さとう　た 11/   16"));
    EXPECT_EQ(h.selected(w, 2), QStringLiteral(" 2●さとう　た  0/    0"));
    EXPECT_EQ(h.g->MaxLevelClear, 0);
    EXPECT_FALSE(h.find<QPushButton>(w, QStringLiteral("Command24_1"))->isVisible());
}

TEST(HubScreen, TheLastLevelsGoalSetsMaxLevelClear) {
    std::vector<SeisekiRec> records;
    for (int i = 0; i < 3; ++i)
        records.push_back(rec(kToday.addDays(-i), 9, 0, 0, 2, 3, 10));  // 3 × 33 points
    Hub h(records);
    h.g->MaxLevelClear = 0;
    h.open();
    EXPECT_EQ(h.g->MaxLevelClear, 1);
}

TEST(HubScreen, ThePrintButtonIsForTheTeacher) {
    struct Case {
        int student;
        bool shown;
    } cases[] = {{1, true}, {2, false}, {3, false}};
    for (const Case& c : cases) {
        Hub h;
        h.g->SeitoBangou = Integer(c.student);
        h.g->SeitoNamae = h.g->BangouNamae[c.student];
        seisekitime1* w = h.open();
        auto* print = h.find<QPushButton>(w, QStringLiteral("Command24_1"));
        EXPECT_EQ(print->isVisible(), c.shown) << c.student;
        EXPECT_EQ(print->text(), QStringLiteral("印刷"));
        if (c.shown) {
            print->click();
            EXPECT_EQ(h.screens.count(shown(Screen::FormPrint0)), 1);
        }
    }
}

TEST(HubScreen, KeysAndButtonsStartALevel) {
    enum class Way { Button, Key };
    for (Way way : {Way::Button, Way::Key}) {
        Hub h;
        seisekitime1* w = h.open();
        h.screens.log.clear();
        if (way == Way::Button) {
            h.find<QPushButton>(w, QStringLiteral("Command4_2"))->click();
        } else {
            QTest::keyClick(h.find<QListWidget>(w, QStringLiteral("List5_1")), Qt::Key_2);
        }
        EXPECT_EQ(h.g->LevelNo, 2);
        EXPECT_EQ(w->KeyReady, 0);
        EXPECT_EQ(h.screens.log, (QStringList{shown(Screen::MainFrm), unloaded(Screen::seisekitime1)}))
            << int(way);
        EXPECT_EQ(h.screens.loaded(Screen::seisekitime1), nullptr);
        EXPECT_NE(h.screens.loaded(Screen::MainFrm), nullptr);
    }
}

TEST(HubScreen, KeysThatStartNothing) {
    struct Case {
        Qt::Key key;
        int keyReady;
        const char* what;
    } cases[] = {
        {Qt::Key_5, 1, "level 5 of three"},
        {Qt::Key_A, 1, "level 10 of three"},
        {Qt::Key_D, 1, "level 13 of three"},
        {Qt::Key_1, 0, "before the lists are built"},
        {Qt::Key_0, 0, "back before the lists are built"},
    };
    for (const Case& c : cases) {
        Hub h;
        h.g->LevelNo = 0;
        seisekitime1* w = h.open();
        w->KeyReady = c.keyReady;
        h.screens.log.clear();
        QTest::keyClick(w, c.key);
        EXPECT_TRUE(h.screens.log.empty()) << c.what;
        EXPECT_EQ(h.g->LevelNo, 0) << c.what;
        EXPECT_NE(h.screens.loaded(Screen::seisekitime1), nullptr) << c.what;
    }
}

TEST(HubScreen, ZeroGoesBackToTheNamesOnce) {
    Hub h;
    seisekitime1* w = h.open();
    h.screens.log.clear();
    QTest::keyClick(w, Qt::Key_0);
    EXPECT_EQ(h.screens.log, (QStringList{shown(Screen::namesel)}));
    EXPECT_TRUE(h.find<QWidget>(w, QStringLiteral("Picture2"))->isVisible());
    QTest::keyClick(w, Qt::Key_0);  // the button is disabled now
    h.find<QPushButton>(w, QStringLiteral("Command1"))->click();
    EXPECT_EQ(h.screens.count(shown(Screen::namesel)), 1);
}

TEST(HubScreen, TheGradeFilterNarrowsEveryList) {
    Hub h(someAttempts());
    seisekitime1* w = h.open();
    auto* combo = h.find<QComboBox>(w, QStringLiteral("Combo1"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(combo->count(), 12);
    combo->setCurrentText(QStringLiteral("小３"));
    Q_EMIT combo->activated(combo->currentIndex());
    EXPECT_EQ(h.lines(w, 1), (std::vector<QString>{QStringLiteral(" 2③いとう　さ 19/   19"),
                                                   QStringLiteral(" 3●さとう　た 11/   16")}));
    EXPECT_EQ(h.selected(w, 1), QStringLiteral(" 3●さとう　た 11/   16"));
    EXPECT_EQ(h.lines(w, 3).size(), 2u);
    EXPECT_TRUE(h.find<QPushButton>(w, QStringLiteral("Command1"))->isEnabled());
}

TEST(HubScreen, AFilterFromTheNameSelectionThatIsNoneOfTheTwelveIsKept) {
    Hub h(someAttempts());
    h.g->GakunenFilter = QStringLiteral("家族");
    seisekitime1* w = h.open();
    EXPECT_EQ(h.find<QComboBox>(w, QStringLiteral("Combo1"))->currentText(), QStringLiteral("家族"));
    EXPECT_EQ(h.lines(w, 1).size(), 4u);
}

TEST(HubScreen, ViewsAndOrders) {
    Hub h(someAttempts());
    seisekitime1* w = h.open();
    auto* byFirst = h.find<QRadioButton>(w, QStringLiteral("Option1_1"));
    auto* bySecond = h.find<QRadioButton>(w, QStringLiteral("Option1_2"));

    h.find<QRadioButton>(w, QStringLiteral("Option2_1"))->click();  // time lists
    EXPECT_EQ(w->ListMode, 1);
    EXPECT_EQ(byFirst->text(), QStringLiteral("BEST表示"));
    EXPECT_EQ(bySecond->text(), QStringLiteral("本日のみ"));
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("ベスト成績"));
    EXPECT_EQ(h.lines(w, 1),
              (std::vector<QString>{
                  QStringLiteral(" 1　すずき　は    10 　"), QStringLiteral(" 2③いとう　さ    20 　"),
                  QStringLiteral(" 3●さとう　た    30 ●"), QStringLiteral("--　やまだ先生------ 　")}));
    EXPECT_EQ(h.selected(w, 1), QStringLiteral(" 3●さとう　た    30 ●"));

    bySecond->click();  // today's attempts
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("本日の成績"));
    EXPECT_EQ(h.lines(w, 1), (std::vector<QString>{QStringLiteral("  30秒 09:05●さとう　た●11"),
                                                   QStringLiteral("  20秒 09:15③いとう　さ③19"),
                                                   QStringLiteral("  10秒 09:20　すずき　は　33"),
                                                   QStringLiteral("　　× 09:30●さとう　た●")}));
    EXPECT_EQ(h.lines(w, 2), (std::vector<QString>{QStringLiteral("  60秒 09:40③いとう　さ③5")}));
    EXPECT_TRUE(h.lines(w, 3).empty());
    EXPECT_TRUE(h.find<QListWidget>(w, QStringLiteral("List5_1"))->isVisible());
    EXPECT_FALSE(h.find<QWidget>(w, QStringLiteral("Picture6"))->isVisible());

    h.find<QRadioButton>(w, QStringLiteral("Option2_2"))->click();  // points lists, still the second order
    EXPECT_EQ(w->ListMode, 2);
    EXPECT_EQ(byFirst->text(), QStringLiteral("合計累計"));
    EXPECT_EQ(bySecond->text(), QStringLiteral("合計本日"));
    EXPECT_EQ(w->PointOrder, 2);
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("獲得ポイント（今日の順位）"));
    EXPECT_EQ(h.lines(w, 2)[0], QStringLiteral(" 1③いとう　さ  5/    5"));
    byFirst->click();
    EXPECT_EQ(w->PointOrder, 1);
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("獲得ポイント（今まで順位）"));
}

TEST(HubScreen, ALongTitleTakesTheSmallerFont) {
    Hub h;
    h.g->ProgTitle = QStringLiteral("ペクル・タイルパズル");  // 10 characters
    seisekitime1* w = h.open();
    EXPECT_EQ(h.find<QLabel>(w, QStringLiteral("Label11"))->font().pointSizeF(), 20);
}
