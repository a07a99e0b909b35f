// The hub's further views: every attempt, one student's times, the chart's days, the marks of the
// lines against the level's thresholds; then the same through the real screen, with its names,
// Tab order and texts that fit from 1024 × 768 to 3840 × 2160.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

#include "HubFixture.h"
#include "records/DayChart.h"
#include "records/HubViews.h"
#include "support/Accessibility.h"
#include "support/TextFit.h"

using namespace pekuru;
using namespace pekuru::test;

namespace {

std::vector<QString> textsOf(const std::vector<AttemptLine>& lines, int level = 0) {
    std::vector<QString> out;
    for (const AttemptLine& l : lines)
        if (level == 0 || l.level == level) out.push_back(l.text);
    return out;
}

}  // namespace

TEST(HubMarks, TimesAgainstTargetAndLimitPointsAgainstTheGoalAndItsHalf) {
    auto g = classroom();  // target 60 s, limit 120 s, points goal 30
    struct TimeCase {
        Long time;
        LineMark mark;
    } times[] = {{0, LineMark::WithinGoal}, {60, LineMark::WithinGoal}, {61, LineMark::None},
                 {120, LineMark::None},     {121, LineMark::OverLimit}, {99999, LineMark::OverLimit}};
    for (const TimeCase& c : times) EXPECT_EQ(timeMark(*g, 1, c.time), c.mark) << c.time;

    struct PointCase {
        Long goal, points;
        LineMark mark;
    } points[] = {
        {30, 30, LineMark::GoalReached}, {30, 29, LineMark::HalfwayToGoal}, {30, 15, LineMark::HalfwayToGoal},
        {30, 14, LineMark::None},        {31, 16, LineMark::HalfwayToGoal}, {31, 15, LineMark::None},
        {9999, 20000, LineMark::None},  // the level sets no points goal
        {0, 5, LineMark::None},
    };
    for (const PointCase& c : points) {
        g->HituyouKaisuu[1] = c.goal;
        EXPECT_EQ(pointsMark(*g, 1, c.points), c.mark) << c.goal << "/" << c.points;
    }

    // The ranking lines carry the marks: best times by time, points lines by all points.
    g->HituyouKaisuu[1] = 30;
    g->JikoBest(2, 1) = 120;
    g->JikoBest(3, 1) = 121;
    g->JikoBest(4, 1) = 60;
    std::map<int, LineMark> best;
    for (const RankingLine& l : rankingLines(*g, 1, RankingOrder::BestTime, QStringLiteral("全学年")))
        best[l.student] = l.mark;
    EXPECT_EQ(best, (std::map<int, LineMark>{{1, LineMark::None},  // no time at all
                                             {2, LineMark::None},
                                             {3, LineMark::OverLimit},
                                             {4, LineMark::WithinGoal}}));
    g->RuikeiPoint(2, 1) = 15;
    g->RuikeiPoint(3, 1) = 30;
    std::map<int, LineMark> all;
    for (const RankingLine& l : rankingLines(*g, 1, RankingOrder::TodayPoints, QStringLiteral("全学年")))
        all[l.student] = l.mark;
    EXPECT_EQ(all, (std::map<int, LineMark>{{1, LineMark::None},
                                            {2, LineMark::HalfwayToGoal},
                                            {3, LineMark::GoalReached},
                                            {4, LineMark::None}}));
}

TEST(HubViews, EveryAttemptInFileOrderWithDatesAndTheGradeFilter) {
    auto g = classroom();
    SeisekiRec negative = rec(kToday, 9, 0, 0, 2, 1, 40);
    negative.hiduke = -1;
    const std::vector<SeisekiRec> records = {
        rec(kToday.addDays(-40), 16, 0, 0, 2, 1, 45),
        rec(kToday, 9, 5, 3, 3, 2, 30),
        rec(kToday.addDays(-1), 9, 0, 0, 4, 1, 130),
        rec(kToday, 9, 30, 0, 2, 1, 99999),
        rec(kToday, 9, 31, 0, 0, 1, 20),  // student 0
        rec(kToday, 9, 32, 0, 2, 4, 20),  // no row for level 4
        negative,
    };
    const auto lines = allAttemptLines(*g, records, QStringLiteral("全学年"));
    EXPECT_EQ(textsOf(lines), (std::vector<QString>{
                                  QStringLiteral("03/31   45秒 16:00●さとう　た●5"),
                                  QStringLiteral("05/10   30秒 09:05　すずき　は　11"),
                                  QStringLiteral("05/09  130秒 09:00③いとう　さ③1"),
                                  QStringLiteral("05/10 　　× 09:30●さとう　た●"),
                              }));
    std::vector<int> levels;
    std::vector<LineMark> marks;
    for (const AttemptLine& l : lines) levels.push_back(l.level), marks.push_back(l.mark);
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(marks, (std::vector<LineMark>{LineMark::WithinGoal, LineMark::WithinGoal, LineMark::OverLimit,
                                            LineMark::OverLimit}));
    EXPECT_EQ(textsOf(allAttemptLines(*g, records, QStringLiteral("小３"))).size(), 3u);  // not すずき
    EXPECT_TRUE(allAttemptLines(*g, records, QStringLiteral("中学生全体")).empty());
}

TEST(HubViews, OneStudentsTimesPerLevelWithTheFirstBestMarked) {
    auto g = classroom();
    g->LevelPoint[2] = 1.5;
    const std::vector<SeisekiRec> records = {
        rec(kToday.addDays(-2), 9, 0, 0, 2, 1, 70), rec(kToday.addDays(-2), 9, 5, 0, 3, 1, 10),
        rec(kToday.addDays(-1), 9, 0, 0, 2, 1, 50), rec(kToday, 9, 0, 0, 2, 2, 30),
        rec(kToday, 9, 10, 0, 2, 1, 99999),         rec(kToday, 9, 20, 0, 2, 1, 50),
    };
    const auto lines = studentAttemptLines(*g, records, 2);
    EXPECT_EQ(textsOf(lines, 1),
              (std::vector<QString>{
                  QStringLiteral("05/08 09:00   70秒   4点"), QStringLiteral("05/09 09:00   50秒   5点 ★"),
                  QStringLiteral("05/10 09:10 　　×   0点"),
                  QStringLiteral("05/10 09:20   50秒   5点"),  // equal, not first
              }));
    // Level 2 with its factor: 11 × 1.5 = 16 points.
    EXPECT_EQ(textsOf(lines, 2), (std::vector<QString>{QStringLiteral("05/10 09:00   30秒  16点 ★")}));
    EXPECT_TRUE(studentAttemptLines(*g, records, 4).empty());
}

TEST(HubViews, TheChartsDaysTakeTheBestTimeAndTheSumOfPointsAndKeepGaps) {
    auto g = classroom();
    const std::vector<SeisekiRec> records = {
        rec(kToday.addDays(-3), 9, 0, 0, 2, 1, 80),      // 4 points
        rec(kToday.addDays(-3), 9, 10, 0, 2, 1, 50),     // 5 points, the day's best
        rec(kToday.addDays(-3), 9, 20, 0, 2, 1, 99999),  // time-over: no time, no points
        rec(kToday.addDays(-3), 9, 30, 0, 3, 1, 10),     // another student
        rec(kToday.addDays(-1), 9, 0, 0, 2, 1, 99999),   // only a time-over that day
        rec(kToday, 9, 0, 0, 2, 1, 30),                  // 11
        rec(kToday, 9, 0, 0, 2, 2, 20),                  // another level
    };
    const auto range = chartDays(records, 2, 1, kToday, 5);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, kToday.addDays(-4));
    EXPECT_EQ(range->last, kToday);
    const auto days = daySeries(*g, records, 2, 1, *range);
    ASSERT_EQ(days.size(), 5u);
    struct Expected {
        std::optional<Long> best;
        Long points;
        int attempts;
    } expected[] = {
        {std::nullopt, 0, 0}, {50, 9, 3}, {std::nullopt, 0, 0}, {std::nullopt, 0, 1}, {30, 11, 1}};
    for (std::size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].day, kToday.addDays(qint64(i) - 4));
        EXPECT_EQ(days[i].bestTime, expected[i].best) << i;
        EXPECT_EQ(days[i].points, expected[i].points) << i;
        EXPECT_EQ(days[i].attempts, expected[i].attempts) << i;
    }
    // Nothing in the last days: the chart ends on the last day with attempts.
    const std::vector<SeisekiRec> old = {rec(kToday.addDays(-60), 9, 0, 0, 2, 1, 40)};
    const auto back = chartDays(old, 2, 1, kToday, 28);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->last, kToday.addDays(-60));
    EXPECT_EQ(back->first, kToday.addDays(-87));
    EXPECT_FALSE(chartDays(old, 3, 1, kToday, 28));
    EXPECT_FALSE(chartDays(old, 2, 2, kToday, 28));
}

// ---- through the screen ----

namespace {

QRadioButton* radio(Hub& h, seisekitime1* w, const char* name) {
    return h.find<QRadioButton>(w, QString::fromLatin1(name));
}

std::vector<LineMark> marksOf(Hub& h, seisekitime1* w, int level) {
    std::vector<LineMark> out;
    auto* list = h.find<QListWidget>(w, QStringLiteral("List5_%1").arg(level));
    for (int i = 0; i < list->count(); ++i)
        out.push_back(LineMark(list->item(i)->data(Qt::UserRole).toInt()));
    return out;
}

}  // namespace

TEST(HubViewsScreen, EveryAttemptAndOneStudentsTimes) {
    Hub h(someAttempts());
    seisekitime1* w = h.open();
    radio(h, w, "Option2_1")->click();
    EXPECT_EQ(radio(h, w, "Option1_3")->text(), QStringLiteral("すべて"));
    radio(h, w, "Option1_3")->click();
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("全成績"));
    EXPECT_EQ(h.lines(w, 1), (std::vector<QString>{QStringLiteral("04/20   45秒 16:00●さとう　た●5"),
                                                   QStringLiteral("05/10   30秒 09:05●さとう　た●11"),
                                                   QStringLiteral("05/10   20秒 09:15③いとう　さ③19"),
                                                   QStringLiteral("05/10   10秒 09:20　すずき　は　33"),
                                                   QStringLiteral("05/10 　　× 09:30●さとう　た●")}));
    EXPECT_EQ(marksOf(h, w, 1).back(), LineMark::OverLimit);
    EXPECT_EQ(marksOf(h, w, 1).front(), LineMark::WithinGoal);
    auto* list = h.find<QListWidget>(w, QStringLiteral("List5_1"));
    EXPECT_NE(list->item(0)->background().color(), list->item(4)->background().color());
    EXPECT_TRUE(
        list->item(4)->data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("制限タイムより")));
    EXPECT_EQ(h.text(w, QStringLiteral("legend_1")), QStringLiteral("◎ 目標タイム以内"));
    EXPECT_TRUE(h.find<QLabel>(w, QStringLiteral("legend_2"))->isVisible());

    auto* combo = h.find<QComboBox>(w, QStringLiteral("Combo1"));
    combo->setCurrentText(QStringLiteral("小３"));
    Q_EMIT combo->activated(combo->currentIndex());
    EXPECT_EQ(h.lines(w, 1).size(), 4u);  // すずき is not a third grader

    radio(h, w, "Option2_3")->click();
    EXPECT_EQ(w->ListMode, 3);
    EXPECT_FALSE(radio(h, w, "Option1_1")->isVisible());
    EXPECT_EQ(h.text(w, QStringLiteral("Label5")), QStringLiteral("さとう　たろうさんのタイム"));
    EXPECT_EQ(h.lines(w, 1), (std::vector<QString>{QStringLiteral("04/20 16:00   45秒   5点"),
                                                   QStringLiteral("05/10 09:05   30秒  11点 ★"),
                                                   QStringLiteral("05/10 09:30 　　×   0点")}));
    EXPECT_EQ(h.lines(w, 3), (std::vector<QString>{QStringLiteral("まだ 記録が ありません")}));
    EXPECT_EQ(h.text(w, QStringLiteral("legend_3")), QStringLiteral("★ 自己ベスト"));

    // Back to the points lists: the colours follow the points goal (30) of every level.
    combo->setCurrentText(QStringLiteral("全学年"));
    Q_EMIT combo->activated(combo->currentIndex());
    radio(h, w, "Option2_2")->click();
    radio(h, w, "Option1_1")->click();
    EXPECT_EQ(h.lines(w, 1)[0], QStringLiteral(" 1　すずき　は 33/   33"));
    EXPECT_EQ(marksOf(h, w, 1), (std::vector<LineMark>{LineMark::GoalReached, LineMark::HalfwayToGoal,
                                                       LineMark::HalfwayToGoal, LineMark::None}));
    EXPECT_EQ(h.text(w, QStringLiteral("legend_2")), QStringLiteral("○ 目標の点の半分を こえた"));
}

TEST(HubViewsScreen, TheChartShowsTheChosenLevelDayByDay) {
    Hub h(weeksOfAttempts(kToday));
    seisekitime1* w = h.open();
    radio(h, w, "Option2_4")->click();
    auto* chart = w->findChild<DayChart*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(h.find<QWidget>(w, QStringLiteral("levelArea"))->isVisible());
    ASSERT_EQ(chart->days().size(), 28u);
    EXPECT_EQ(chart->days().back().day, kToday);
    // Level 1 first; the chooser switches to level 3 and the figures follow.
    auto* chooser = h.find<QComboBox>(w, QStringLiteral("chartLevel"));
    EXPECT_TRUE(chooser->isVisible());
    const auto expected = [&](int level) {
        const auto records = weeksOfAttempts(kToday);
        return daySeries(*h.g, records, 2, level, *chartDays(records, 2, level, kToday, 28));
    };
    const auto same = [](const std::vector<DayFigures>& a, const std::vector<DayFigures>& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].day != b[i].day || a[i].bestTime != b[i].bestTime || a[i].points != b[i].points)
                return false;
        return true;
    };
    EXPECT_TRUE(same(chart->days(), expected(1)));
    chooser->setCurrentIndex(2);
    Q_EMIT chooser->activated(2);
    EXPECT_TRUE(same(chart->days(), expected(3)));
    EXPECT_FALSE(same(expected(1), expected(3)));
    EXPECT_EQ(accessibleRole(chart), QAccessible::Chart);
    EXPECT_TRUE(accessibleName(chart).contains(QStringLiteral("グラフ")));

    radio(h, w, "Option2_1")->click();
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(h.find<QWidget>(w, QStringLiteral("levelArea"))->isVisible());
}

TEST(HubViewsScreen, NamesRolesAndTabOrderFollowTheScreen) {
    Hub h(someAttempts());
    seisekitime1* w = h.open();
    w->show();
    w->activateWindow();
    QCoreApplication::processEvents();
    for (const char* view : {"Option2_1", "Option2_2", "Option2_3", "Option2_4"}) {
        radio(h, w, view)->click();
        EXPECT_EQ(controlsWithoutName(w), QStringList()) << view;
    }
    EXPECT_EQ(accessibleRole(h.find<QWidget>(w, QStringLiteral("Command4_1"))), QAccessible::Button);
    EXPECT_EQ(accessibleRole(h.find<QWidget>(w, QStringLiteral("List5_1"))), QAccessible::List);
    EXPECT_EQ(accessibleRole(h.find<QWidget>(w, QStringLiteral("Option2_3"))), QAccessible::RadioButton);
    EXPECT_EQ(accessibleName(h.find<QWidget>(w, QStringLiteral("List5_2"))),
              QStringLiteral("レベル２ の成績リスト"));

    radio(h, w, "Option2_2")->click();
    QStringList order = focusOrder(w);
    // Tab goes round: read the round from the back button on.
    const qsizetype back = order.indexOf(QStringLiteral("Command1"));
    ASSERT_GE(back, 0) << order.join(' ').toStdString();
    order = order.mid(back) + order.mid(0, back);
    // Each radio group is one Tab stop (arrows move inside it), so the views and orders stand for
    // their groups here.
    for (QString& name : order)
        if (name.startsWith(QStringLiteral("Option"))) name.truncate(7);
    EXPECT_EQ(order, (QStringList{"Command1", "Option2", "Combo1", "Option1", "Command4_1", "List5_1",
                                  "Command4_2", "List5_2", "Command4_3", "List5_3", "Command24_2"}));
}

TEST(HubViewsScreen, TextsFitTheirBoxesFromTheSmallestToTheLargestScreen) {
    Hub h(weeksOfAttempts(kToday));
    h.g->SeitoBangou = 1;  // the teacher: the print button is shown too
    h.g->SeitoNamae = h.g->BangouNamae[1];
    seisekitime1* w = h.open();
    for (QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
        w->resize(size);
        QCoreApplication::processEvents();
        struct View {
            const char *view, *order;
        } views[] = {{"Option2_2", "Option1_1"}, {"Option2_2", "Option1_2"}, {"Option2_1", "Option1_1"},
                     {"Option2_1", "Option1_2"}, {"Option2_1", "Option1_3"}, {"Option2_3", nullptr},
                     {"Option2_4", nullptr}};
        for (const View& v : views) {
            radio(h, w, v.view)->click();
            if (v.order) radio(h, w, v.order)->click();
            EXPECT_EQ(clippedTexts(w), QStringList())
                << size.width() << " " << v.view << " " << (v.order ? v.order : "");
        }
    }
}
