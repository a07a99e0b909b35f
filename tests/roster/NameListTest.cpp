// The name list's lines, the grade filter and the choice taken from a line.
#include <gtest/gtest.h>

#include <memory>

#include "roster/NameList.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

const QString I = QStringLiteral("　");  // one ideographic space

QString pad(int n) { return n > 0 ? QString(n, QChar(0x3000)) : QString(); }

ShownRow student(int number, int born, int G, const QString& name) {
    ShownRow r;
    r.record.Bangou = Integer(number);
    r.record.Umare = Integer(born);
    r.record.Namae = fixedText(name);
    r.gradeIndex = G;
    r.gradeCode = gradeCode(G);
    return r;
}

StudentTallies tallies(double hk, double rk, double hp, double rp) { return {hk, rk, hp, rp}; }

QString row(int number, int born, const QString& name) {
    return QStringLiteral("%1,%2,0,0,\"%3\",0,\"                    \",\"                    \"\n")
        .arg(number)
        .arg(born)
        .arg(fixedText(name));
}

}  // namespace

TEST(NameListLine, ColumnsPaddingAndTheWidthRuleOfEveryMode) {
    struct Case {
        const char* what;
        ShownRow row;
        int mode;
        StudentTallies t;
        QString expected;
    };
    const ShownRow hana = student(7, 2015, 3, QStringLiteral("はな"));
    const ShownRow yui = student(4, 2018, 0, QStringLiteral("ゆい"));  // G 0: kindergarten
    const ShownRow baby = student(5, 2022, -4, QStringLiteral("そら"));
    const ShownRow longName = student(9, 2010, 8, QStringLiteral("ながいながいなまえです"));
    const ShownRow spaced = student(2, 2015, 3, QStringLiteral("さとう　たろう"));
    const Case cases[] = {
        {"the points view", hana, 1, tallies(0, 0, 120, 3400),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral(" 120/   3400*7")},
        {"no results in the counts view", hana, 0, tallies(0, 0, 0, 0),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("     /     ") + I + QStringLiteral("*7")},
        {"counts", hana, 0, tallies(2, 15, 50, 900),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("  2回/   15回*7")},
        {"today: points then counts", hana, 2, tallies(3, 40, 0, 900),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("  ") + I + QStringLiteral("/  3回*7")},
        {"all: points then counts", hana, 3, tallies(1, 0, 10, 12345),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("  12345/     ") + I +
             QStringLiteral("*7")},
        {"too many digits keep the last ones", hana, 0, tallies(1234, 123456, 0, 0),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("234回/23456回*7")},
        {"too many points keep the last ones", hana, 1, tallies(0, 0, 98765, 12345678),
         QStringLiteral("2015小3 はな") + pad(4) + QStringLiteral("8765/2345678*7")},
        {"kindergarten is two wider in the counts view", yui, 0, tallies(0, 0, 0, 0),
         QStringLiteral("2018幼3 ゆい") + pad(6) + QStringLiteral("     /     ") + I + QStringLiteral("*4")},
        {"but not in the points view", yui, 1, tallies(0, 0, 0, 0),
         QStringLiteral("2018幼3 ゆい") + pad(4) + QStringLiteral("  ") + I + QStringLiteral("/       *4")},
        {"kindergarten in the today view", yui, 2, tallies(1, 1, 5, 5),
         QStringLiteral("2018幼3 ゆい") + pad(6) + QStringLiteral("   5/  1回*4")},
        {"below kindergarten in the all view", baby, 3, tallies(0, 2, 0, 30),
         QStringLiteral("2022幼- そら") + pad(6) + QStringLiteral("     30/    2回*5")},
        {"a name longer than the width pads nothing", longName, 1, tallies(0, 0, 1, 1),
         QStringLiteral("2010中2 ながいながいなまえです   1/      1*9")},
        {"a space inside a name stays", spaced, 1, tallies(0, 0, 0, 0),
         QStringLiteral("2015小3 さとう　たろう") + QStringLiteral("  ") + I + QStringLiteral("/       *2")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nameListLine(c.row, c.mode, c.t), c.expected);
        EXPECT_EQ(QStringLiteral("%1").arg(c.row.record.Umare) + nameListEntry(c.row, c.mode, c.t),
                  c.expected);
    }
}

TEST(NameListLine, TalliesSumLevelsOneToThirtyFiveOnly) {
    auto g = std::make_unique<hensuu1>();
    g->HonjituKaisuu(3, 0) = 100;  // level 0 is not a level
    g->HonjituKaisuu(3, 1) = 2;
    g->HonjituKaisuu(3, 35) = 1;
    g->RuikeiKaisuu(3, 2) = 7;
    g->HonjituPoint(3, 3) = 40;
    g->RuikeiPoint(3, 1) = 2000000000;
    g->RuikeiPoint(3, 2) = 2000000000;  // beyond 32 bits together
    g->RuikeiPoint(4, 1) = 5;           // another student
    const StudentTallies t = studentTallies(*g, 3);
    EXPECT_EQ(t.honjituKaisuu, 3);
    EXPECT_EQ(t.ruikeiKaisuu, 7);
    EXPECT_EQ(t.honjituPoint, 40);
    EXPECT_EQ(t.ruikeiPoint, 4000000000.0);
}

TEST(NameLists, TheGradeFilterListsOnlyItsGrades) {
    struct Roster {
        QString text;
        struct Expect {
            const char* filter;
            std::vector<int> numbers;  // the students listed, in order
        };
        std::vector<Expect> expect;
    };
    // School year 2024: born 2010 is 中2 (G 8), 2015 小3, 2018 幼3 (G 0), 2007 高2, 2009 中3, 2011 中1.
    const Roster rosters[] = {
        {row(1, 2010, QStringLiteral("あきら")) + row(2, 2015, QStringLiteral("いずみ")) +
             row(3, 2018, QStringLiteral("うみ")),
         {{"全学年", {1, 2, 3}},
          {"中学生全体", {1}},
          {"小学生全体", {2}},
          {"中２", {1}},
          {"小３", {2}},
          {"小４", {}},
          {"高校", {}},
          {"家族", {}},
          {"", {}}}},
        {row(4, 2007, QStringLiteral("えみ")) + row(5, 2009, QStringLiteral("おと")) +
             row(6, 2011, QStringLiteral("かい")),
         {{"全学年", {4, 5, 6}}, {"中学生全体", {5, 6}}, {"中１", {6}}, {"中３", {5}}, {"小学生全体", {}}}},
    };
    test::Classroom room;
    FakeClock clock(QDate(2024, 5, 1));
    for (const Roster& r : rosters) {
        room.writeRoster(r.text);
        for (const auto& e : r.expect) {
            SCOPED_TRACE(e.filter);
            auto g = std::make_unique<hensuu1>();
            g->KyoutuuFolder = room.common() + QLatin1Char('/');
            g->NendoTuki = Variant::number(4);
            const NameLists lists = buildNameLists(*g, clock, 1, QString::fromUtf8(e.filter));
            EXPECT_EQ(lists.List2.size(), 3);  // every shown row, whatever the filter
            ASSERT_EQ(lists.List1.size(), qsizetype(e.numbers.size()) + 1);
            EXPECT_EQ(lists.List1[0], QStringLiteral("－－－－－－"));
            ASSERT_EQ(lists.List3.size(), qsizetype(e.numbers.size()));
            for (std::size_t i = 0; i < e.numbers.size(); ++i) {
                EXPECT_EQ(numberOfEntry(lists.List3[qsizetype(i)]), QString::number(e.numbers[i]));
                EXPECT_EQ(lists.List3[qsizetype(i)],
                          lists.List1[qsizetype(i) + 1] + QStringLiteral("*%1").arg(e.numbers[i]));
            }
        }
    }
}

TEST(NameLists, NamesWithAStarAndYearsOfOtherLengthsKeepTheirEntryWhole) {
    test::Classroom room;
    room.writeRoster(row(3, 2015, QStringLiteral("ほし*ぞら")) + row(11, 0, QStringLiteral("まだ")));
    auto g = std::make_unique<hensuu1>();
    g->KyoutuuFolder = room.common() + QLatin1Char('/');
    g->NendoTuki = Variant::number(4);
    const NameLists lists = buildNameLists(*g, FakeClock(QDate(2024, 5, 1)), 1, QStringLiteral("全学年"));
    ASSERT_EQ(lists.List1.size(), 3);
    EXPECT_TRUE(lists.List1[1].startsWith(QStringLiteral("小3 ほし*ぞら"))) << lists.List1[1].toStdString();
    EXPECT_EQ(numberOfEntry(lists.List3[0]), QStringLiteral("3"));
    // A birth year of 0 (one that was not a number) still shows its grade code.
    EXPECT_TRUE(lists.List1[2].startsWith(QStringLiteral("大+ まだ"))) << lists.List1[2].toStdString();
    EXPECT_TRUE(lists.List2[1].startsWith(QStringLiteral("0大+ まだ")));
    EXPECT_EQ(numberOfEntry(lists.List3[1]), QStringLiteral("11"));
}

TEST(NameChoice, WhatTheLabelsShowForAnEntry) {
    struct Case {
        QString entry;
        QString clicked;
        QString doubleClicked;
    };
    const Case cases[] = {
        {QStringLiteral("小3 はな") + pad(4) + QStringLiteral(" 120/   3400"),
         QStringLiteral("小3 はな") + pad(4), QStringLiteral("小3 はな") + pad(4) + QStringLiteral(" 120")},
        {QStringLiteral("中2 ながいながいなまえです   1/      1"), QStringLiteral("中2 ながいながいな"),
         QStringLiteral("中2 ながいながいなまえです   1")},
        {QStringLiteral("幼3 ゆい") + pad(6) + QStringLiteral("     /     ") + I,
         QStringLiteral("幼3 ゆい") + pad(5), QStringLiteral("幼3 ゆい") + pad(6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString());
        EXPECT_EQ(clickedName(c.entry), c.clicked);
        EXPECT_EQ(doubleClickedName(c.entry), c.doubleClicked);
    }
    EXPECT_EQ(numberOfEntry(QStringLiteral("小3 はな   1/      1*4812")), QStringLiteral("4812"));
}

TEST(NameChoice, ConfirmingTakesTheStudentByNumber) {
    auto g = std::make_unique<hensuu1>();
    g->BangouNamae[7] = fixedText(QStringLiteral("ななこ"));
    g->BangouGakunen[7] = QStringLiteral("小３");
    g->BangouNamae[1] = fixedText(QStringLiteral("いちろう"));
    FakeClock clock(QDate(2024, 5, 1), 10 * 3600 + 59.9);
    名前確定(*g, clock, QStringLiteral("7"));
    EXPECT_EQ(g->SeitoBangou, 7);
    EXPECT_EQ(g->SeitoNamae, fixedText(QStringLiteral("ななこ")));
    EXPECT_EQ(g->SeitoGakunen, QStringLiteral("小３"));
    EXPECT_EQ(g->KaisiTime, 10 * 3600 + 59);  // whole seconds: the fraction is dropped
}
