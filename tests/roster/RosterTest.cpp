// The roster file: grades, the home-use limit, hidden rows and the recovery from the temporary copy.
#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "platform/ProgramError.h"
#include "roster/Roster.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

QString row(int number, int born, const QString& name, int flag) {
    return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"                    \",\"                    \"\n")
        .arg(number)
        .arg(born)
        .arg(fixedText(name))
        .arg(flag);
}

struct Loaded {
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    test::Classroom room;
    FakeClock clock{QDate(2024, 5, 1)};

    explicit Loaded(double meiboOption = 0) {
        g->KyoutuuFolder = room.common() + QLatin1Char('/');
        g->NendoTuki = Variant::number(4);
        g->MeiboOption = Variant::number(meiboOption);
    }
    std::vector<ShownRow> load(const QString& text) {
        room.writeRoster(text);
        return loadRoster(*g, clock);
    }
};

template <typename F>
std::optional<ProgramExit> exitOf(F f) {
    try {
        f();
    } catch (const ProgramExit& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace

TEST(Grades, CodesLabelsAndMarksForEveryIndex) {
    struct Case {
        int G;
        const char* code;
        const char* label;  // nullptr: not set
        const char* mark;
    };
    const Case cases[] = {
        {-4, "幼-", nullptr, "　"}, {-3, "幼-", nullptr, "　"}, {-2, "幼1", nullptr, "　"},
        {-1, "幼2", nullptr, "　"}, {0, "幼3", "幼３", "　"},   {1, "小1", "小１", "①"},
        {2, "小2", "小２", "②"},    {3, "小3", "小３", "③"},    {4, "小4", "小４", "④"},
        {5, "小5", "小５", "⑤"},    {6, "小6", "小６", "⑥"},    {7, "中1", "中１", "Ⅰ"},
        {8, "中2", "中２", "Ⅱ"},    {9, "中3", "中３", "Ⅲ"},    {10, "高1", "高１", "　"},
        {11, "高2", nullptr, "　"}, {12, "高3", nullptr, "　"}, {13, "大+", nullptr, "　"},
        {14, "大+", nullptr, "　"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.G);
        EXPECT_EQ(gradeCode(c.G), QString::fromUtf8(c.code));
        const auto label = gradeLabel(c.G);
        if (c.label)
            EXPECT_EQ(label.value_or(QString()), QString::fromUtf8(c.label));
        else
            EXPECT_FALSE(label.has_value());
        EXPECT_EQ(GakunenMark(Variant::number(c.G)), QString::fromUtf8(c.mark));
    }
    EXPECT_EQ(GakunenMark(Variant::text(QStringLiteral("3"))), QStringLiteral("③"));
    EXPECT_EQ(GakunenMark(Variant()), QStringLiteral("　"));
    EXPECT_EQ(GakunenMark(Variant::number(2.5)), QStringLiteral("　"));
}

TEST(Grades, SchoolYearTurnsInItsFirstMonth) {
    const Variant april = Variant::number(4);
    EXPECT_EQ(schoolYear(QDate(2024, 3, 31), april), 2023);
    EXPECT_EQ(schoolYear(QDate(2024, 4, 1), april), 2024);
    EXPECT_EQ(schoolYear(QDate(2024, 1, 1), Variant::number(1)), 2024);
    // Born 2016: first year of elementary school on 31 March 2024, second on 1 April.
    EXPECT_EQ(gradeIndex(schoolYear(QDate(2024, 3, 31), april), 2016), 1);
    EXPECT_EQ(gradeIndex(schoolYear(QDate(2024, 4, 1), april), 2016), 2);
}

TEST(RosterLoad, ReadsShownRowsWithPaddedNamesAndByNumberLists) {
    Loaded l;
    const auto rows =
        l.load(row(12, 2013, QStringLiteral("はなこ"), 0) + row(7, 2018, QStringLiteral("山田先生"), 0));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].row, 1);
    EXPECT_EQ(rows[0].gradeCode, QStringLiteral("小5"));
    EXPECT_EQ(rows[1].gradeCode, QStringLiteral("幼3"));
    EXPECT_EQ(l.g->MeiboKazu, 2);
    EXPECT_EQ(l.g->Nendo, 2024);
    EXPECT_EQ(l.g->MeiboData[1].Bangou, 12);
    EXPECT_EQ(l.g->MeiboData[1].Namae, QStringLiteral("はなこ                 "));
    EXPECT_EQ(l.g->MeiboData[1].Namae.size(), 20);
    EXPECT_EQ(l.g->BangouNamae[7].trimmed(), QStringLiteral("山田先生"));
    EXPECT_EQ(l.g->BangouUmare[12], 2013);
    EXPECT_EQ(l.g->BangouGakunen[12], QStringLiteral("小５"));
    EXPECT_EQ(l.g->BangouGakunen[7], QStringLiteral("幼３"));
    EXPECT_TRUE(l.g->BangouList[2].equalsNumber(7));
}

TEST(RosterLoad, LongNamesAreCutAndUnsetLabelsKeepTheirOldValue) {
    Loaded l;
    l.g->BangouGakunen[3] = QStringLiteral("前の値");
    l.load(QStringLiteral("3,2006,0,0,\"あいうえおかきくけこさしすせそたちつてとなにぬ\",0,\"x\",\"\"\n"));
    EXPECT_EQ(l.g->MeiboData[1].Namae, QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    EXPECT_EQ(l.g->MeiboData[1].MeiboText2, fixedText(QStringLiteral("x")));
    EXPECT_EQ(l.g->BangouGakunen[3], QStringLiteral("前の値"));  // G = 12: no label
}

TEST(RosterLoad, HiddenRowsKeepTheirNumberButGiveUpTheirPlace) {
    Loaded l;
    const auto rows =
        l.load(row(1, 2015, QStringLiteral("かくれ"), 1) + row(2, 2015, QStringLiteral("あ"), 0) +
               row(3, 2015, QStringLiteral("い"), 0) + row(4, 2015, QStringLiteral("う"), 0));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].record.Bangou, 2);
    EXPECT_EQ(l.g->MeiboData[1].Bangou, 2);
    EXPECT_EQ(l.g->BangouNamae[1].trimmed(), QStringLiteral("かくれ"));
    EXPECT_EQ(l.g->MeiboKazu, 3);
}

TEST(RosterLoad, FlagTwoIsShownOnlyWithTheRosterOption) {
    const QString text = row(1, 2015, QStringLiteral("あ"), 2) + row(2, 2015, QStringLiteral("い"), 0);
    Loaded hidden(0);
    EXPECT_EQ(hidden.load(text).size(), 1u);
    Loaded shown(1);
    EXPECT_EQ(shown.load(text).size(), 2u);
}

TEST(RosterLoad, AFourthRowStopsWithTheHomeUseMessageWhateverItsFlag) {
    const QString three = row(1, 2015, QStringLiteral("あ"), 0) + row(2, 2015, QStringLiteral("い"), 0) +
                          row(3, 2015, QStringLiteral("う"), 0);
    for (int flag : {0, 1}) {
        Loaded l;
        const auto e = exitOf([&] { l.load(three + row(4, 2015, QStringLiteral("え"), flag)); });
        ASSERT_TRUE(e.has_value()) << flag;
        EXPECT_EQ(e->text(), QStringLiteral("家庭用は3人までしか登録できません"));
        EXPECT_TRUE(e->title().isEmpty());
        EXPECT_NE(e->exitCode(), 0);
    }
}

TEST(RosterLoad, RowsThatDoNotFitAreRefusedWithTheirLine) {
    struct Case {
        QString text;
        QString mustContain;
    };
    const Case cases[] = {
        {row(1, 2015, QStringLiteral("あ"), 0) + row(5001, 2015, QStringLiteral("い"), 0),
         QStringLiteral("2 行目の生徒番号「5001」")},
        {row(-1, 2015, QStringLiteral("あ"), 0), QStringLiteral("生徒番号「-1」")},
        {row(1, 40000, QStringLiteral("あ"), 0), QStringLiteral("「40000」は範囲外")},
        {QStringLiteral("1,2015,0,0,\"あ\",0,\"\"\n2,2015,0,0,\"い\",0,\"\",\"\"\n"),
         QStringLiteral("1 行目には値が 7 個")},
        {QStringLiteral("1,2015,0,0,\"あ\",0,\"\",\"\",9\n"), QStringLiteral("1 行目には値が 9 個")},
        {QStringLiteral("1,二千,0,0,\"あ\",0,\"\",\"\"\n"), QStringLiteral("「二千」は数ではありません")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Loaded l;
        const auto e = exitOf([&] { l.load(c.text); });
        ASSERT_TRUE(e.has_value());
        EXPECT_TRUE(e->text().contains(QStringLiteral("生徒用名簿.txt"))) << e->text().toStdString();
        EXPECT_TRUE(e->text().contains(c.mustContain)) << e->text().toStdString();
    }
}

TEST(RosterRecovery, TheTemporaryCopyReplacesAMissingRosterOnly) {
    Loaded l;
    const QString roster = rosterPath(*l.g), temp = rosterTempPath(*l.g);
    test::writeBytes(temp, "temp copy");
    名簿ファイル処理(*l.g);  // the roster is there: nothing happens
    EXPECT_EQ(test::readBytes(roster).left(2), QByteArray("1,"));
    EXPECT_TRUE(QFile::exists(temp));

    QFile::remove(roster);
    名簿ファイル処理(*l.g);
    EXPECT_EQ(test::readBytes(roster), QByteArray("temp copy"));
    EXPECT_FALSE(QFile::exists(temp));

    QFile::remove(roster);
    const auto e = exitOf([&] { 名簿ファイル処理(*l.g); });
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(e->text().contains(QStringLiteral("生徒用名簿.txt")));
    EXPECT_TRUE(e->text().contains(QStringLiteral("生徒用名簿temp.txt")));
    EXPECT_FALSE(QFile::exists(roster));
}

TEST(GradeFilter, EachTextPassesItsGradesOnly) {
    struct Case {
        const char* filter;
        std::vector<int> passes;  // grade indexes from -3 to 13 that pass
    };
    const Case cases[] = {
        {"全学年", {-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"家族", {-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"小学生全体", {1, 2, 3, 4, 5, 6}},
        {"中学生全体", {7, 8, 9}},
        {"小１", {1}},
        {"小３", {3}},
        {"小６", {6}},
        {"中１", {7}},
        {"中３", {9}},
        {"中4", {}},
        {"小3", {}},
        {"高１", {}},
        {"", {}},
        {"なにか", {}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        for (int G = -3; G <= 13; ++G)
            if (GakunenFilterMatch(QString::fromUtf8(c.filter), G) == 1) got.push_back(G);
        EXPECT_EQ(got, c.passes) << c.filter;
    }
    EXPECT_EQ(gradeFilterTexts().size(), 12);
    EXPECT_EQ(gradeFilterTexts().front(), QStringLiteral("全学年"));
    EXPECT_EQ(gradeFilterTexts().back(), QStringLiteral("小１"));
}
