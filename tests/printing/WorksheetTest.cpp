// The worksheet table built for each mode, and its layout on the A4 page.
#include <gtest/gtest.h>

#include <QFont>
#include <QSet>
#include <array>
#include <memory>

#include "printing/PrintLayout.h"
#include "printing/Worksheet.h"

using namespace pekuru;

namespace {

// A table of idioms as the idiom file holds it: level, idiom, reading, meaning.
void fillTable(hensuu1& g, const std::vector<std::array<QString, 4>>& rows) {
    for (int r = 1; r <= int(rows.size()); ++r)
        for (int c = 1; c <= 4; ++c) g.TableData(r, c) = rows[std::size_t(r - 1)][std::size_t(c - 1)];
    g.TableRows = Long(rows.size());
}

std::vector<std::array<QString, 4>> idioms(int level, int count, int from = 0) {
    static const QString kanji = QStringLiteral("一二三四五六七八九十百千万円天気雨雪花鳥風月山川海空");
    std::vector<std::array<QString, 4>> out;
    for (int i = 0; i < count; ++i) {
        QString idiom;
        for (int k = 0; k < 4; ++k) idiom += kanji[(from + i * 4 + k) % kanji.size()];
        out.push_back({QString::number(level), idiom, QStringLiteral("よみ%1").arg(from + i),
                       QStringLiteral("いみ%1").arg(from + i)});
    }
    return out;
}

WorksheetChoice levels(std::initializer_list<int> ls, int mode, bool shuffle = false) {
    WorksheetChoice c;
    for (int l : ls) c.levels[std::size_t(l)] = true;
    c.mode = mode;
    c.shuffle = shuffle;
    return c;
}

QString hiddenPattern(const hensuu1& g, int rows) {
    QString p;
    for (int r = 1; r <= rows; ++r)
        for (int c = 3; c <= 6; ++c) p += g.PrintCell(c, r).isEmpty() ? QLatin1Char('_') : QLatin1Char('x');
    return p;
}

}  // namespace

TEST(Worksheet, AnswerSheetPutsTheAnswerInColumnThree) {
    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(3);
    fillTable(*g, idioms(1, 3));
    EXPECT_EQ(buildWorksheetFromTable(*g, random, levels({1}, 1)), 3);
    EXPECT_EQ(g->PrintCols, 3);
    EXPECT_EQ(g->PrintRows, 20);
    EXPECT_EQ(g->PrintCell(3, 1), QStringLiteral("   一二三四(よみ0)"));
    EXPECT_EQ(g->PrintCell(2, 1), QStringLiteral("いみ0"));
    EXPECT_EQ(g->PrintCell(1, 1), QStringLiteral("①"));
    EXPECT_EQ(g->PrintCell(1, 20), QStringLiteral("⑳"));
    EXPECT_EQ(g->PrintCell(2, 0), QStringLiteral("意味"));
    EXPECT_EQ(g->PrintCell(3, 0), QStringLiteral("四字熟語"));
    EXPECT_EQ(std::vector<double>(g->PrintColX.begin() + 1, g->PrintColX.end()),
              (std::vector<double>{0, 0.05, 0.6, 1}));
    EXPECT_EQ(g->PrintFontSize, 13);
    EXPECT_EQ(g->PrintTateYoko, 1);
}

TEST(Worksheet, EachQuestionModeHidesThatManyDistinctCharacters) {
    for (int mode = 2; mode <= 5; ++mode) {
        auto g = std::make_unique<hensuu1>();
        MersenneRandom random(mode);
        fillTable(*g, idioms(1, 15));
        buildWorksheetFromTable(*g, random, levels({1}, mode));
        EXPECT_EQ(g->PrintCols, 7);
        for (int r = 1; r <= 15; ++r) {
            int hidden = 0;
            for (int c = 3; c <= 6; ++c) hidden += g->PrintCell(c, r).isEmpty() ? 1 : 0;
            EXPECT_EQ(hidden, mode - 1) << "mode " << mode << " row " << r;
            EXPECT_TRUE(g->PrintCell(7, r).startsWith(QStringLiteral("   ")));
        }
    }
}

TEST(Worksheet, TwoRebuildsHideDifferentCharacters) {
    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(9);
    fillTable(*g, idioms(1, 20));
    buildWorksheetFromTable(*g, random, levels({1}, 2));
    const QString first = hiddenPattern(*g, 20);
    buildWorksheetFromTable(*g, random, levels({1}, 2));
    EXPECT_NE(hiddenPattern(*g, 20), first);
}

TEST(Worksheet, TwelveIdiomsOfOneLevelLeaveTheLastRowsNumberedOnly) {
    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(1);
    auto rows = idioms(1, 5);
    const auto level2 = idioms(2, 12, 100);
    rows.insert(rows.end(), level2.begin(), level2.end());
    rows.push_back(
        {QStringLiteral("11"), QStringLiteral("範囲外熟"), QString(), QString()});  // not a level: skipped
    rows.push_back({QString(), QStringLiteral("空白の段"), QString(), QString()});
    fillTable(*g, rows);
    // A previous, longer build must not leave anything behind.
    buildWorksheetFromTable(*g, random, levels({1, 2}, 5));
    EXPECT_EQ(buildWorksheetFromTable(*g, random, levels({2}, 3)), 12);
    EXPECT_EQ(g->PrintCell(2, 12), QStringLiteral("いみ111"));
    for (int r = 13; r <= 20; ++r) {
        EXPECT_EQ(g->PrintCell(1, r), circledNumber(r));
        for (int c = 2; c <= 7; ++c) EXPECT_TRUE(g->PrintCell(c, r).isEmpty()) << r << "," << c;
    }
}

TEST(Worksheet, MoreThanTwentyKeepTheFirstTwentyAfterShuffling) {
    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(5);
    fillTable(*g, idioms(4, 30));
    EXPECT_EQ(buildWorksheetFromTable(*g, random, levels({4}, 1, true)), 30);
    QSet<QString> meanings;
    bool reordered = false;
    for (int r = 1; r <= 30; ++r) {
        meanings.insert(g->PrintCell(2, r));
        reordered = reordered || g->PrintCell(2, r) != QStringLiteral("いみ%1").arg(r - 1);
    }
    EXPECT_EQ(meanings.size(), 30);  // a permutation: nothing lost, nothing doubled
    EXPECT_TRUE(reordered);
    // The answer still belongs to its meaning after the shuffle.
    for (int r = 1; r <= 20; ++r) {
        const int i = g->PrintCell(2, r).mid(2).toInt();
        EXPECT_TRUE(g->PrintCell(3, r).endsWith(QStringLiteral("(よみ%1)").arg(i)));
    }
}

TEST(Worksheet, ShortIdiomsHideWhatTheyHaveAndNeverLoop) {
    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(2);
    fillTable(*g, {{QStringLiteral("1"), QStringLiteral("一石"), QStringLiteral("いっせき"),
                    QStringLiteral("短い")},
                   {QStringLiteral("1"), QString(), QString(), QStringLiteral("空")}});
    buildWorksheetFromTable(*g, random, levels({1}, 5));
    for (int c = 3; c <= 6; ++c) {
        EXPECT_TRUE(g->PrintCell(c, 1).isEmpty());
        EXPECT_TRUE(g->PrintCell(c, 2).isEmpty());
    }
    EXPECT_EQ(buildWorksheetFromTable(*g, random, levels({}, 2)), 0);  // no level chosen
    EXPECT_EQ(g->PrintCell(1, 1), QStringLiteral("①"));
}

TEST(PrintLayout, RowsAndRulesStandWhereTheyBelong) {
    EXPECT_DOUBLE_EQ(rowTop(0, 20), 550);
    EXPECT_DOUBLE_EQ(rowTop(1, 20), 1000);
    EXPECT_DOUBLE_EQ(rowTop(20, 20), 9550);
    EXPECT_DOUBLE_EQ(rowTop(21, 20) - 100, 9900);

    auto g = std::make_unique<hensuu1>();
    MersenneRandom random(1);
    fillTable(*g, idioms(1, 3));
    buildWorksheetFromTable(*g, random, levels({1}, 1));
    EXPECT_EQ(verticalRules(*g), (std::vector<int>{0, 500, 6000, 10000}));
    buildWorksheetFromTable(*g, random, levels({1}, 3));
    EXPECT_EQ(verticalRules(*g), (std::vector<int>{0, 500, 5000, 5500, 6000, 6500, 7000, 10000}));

    const LaidOutPage page = layoutTable(*g, PageSetup{}, QFont(QStringLiteral("IPAPGothic")));
    int horizontal = 0, vertical = 0;
    for (const LaidOutRule& r : page.rules) {
        if (r.y1 == r.y2) {
            ++horizontal;
            EXPECT_EQ(r.x1, 0);
            EXPECT_EQ(r.x2, 10000);
        } else {
            ++vertical;
            EXPECT_EQ(r.y1, 450);
            EXPECT_EQ(r.y2, 9900);
        }
    }
    EXPECT_EQ(horizontal, 22);  // one under each of the 21 rows' tops, and the closing rule
    EXPECT_EQ(vertical, 8);
}

TEST(PrintLayout, CellsFitFromTheFontSizeDownOnePointAtATime) {
    const QFont font(QStringLiteral("IPAPGothic"));
    const double rowHeight = 0.045 * kA4LongTwips;  // about 758 twips
    // A short meaning fits on one line at 13: two line heights, 650 twips.
    const FittedCell one =
        fitCell(QStringLiteral("とても"), font, 13, 0.95 * 0.45 * kA4ShortTwips, rowHeight);
    EXPECT_EQ(one.pointSize, 13);
    EXPECT_EQ(one.lines.size(), 1);
    EXPECT_TRUE(one.fits);
    // A meaning that wraps needs three line heights below the row's: 10 points (750 twips).
    const QString longMeaning =
        QStringLiteral("いちどに二つのよいことがあって、とてもうれしいこと。みんなでよろこぶ。");
    const double narrow = 0.95 * 0.45 * kA4ShortTwips;
    ASSERT_GT(breakLines(longMeaning, font, 13, narrow).size(), 1);
    const FittedCell two = fitCell(longMeaning, font, 13, narrow, rowHeight);
    EXPECT_TRUE(two.fits);
    EXPECT_LT(two.pointSize, 13);
    EXPECT_LT((two.lines.size() + 1) * 25.0 * two.pointSize, rowHeight);
    // One point larger does not fit.
    const QStringList bigger = breakLines(longMeaning, font, two.pointSize + 1, narrow);
    EXPECT_GE((bigger.size() + 1) * 25.0 * (two.pointSize + 1), rowHeight);
    // A text that fits at no size stops at 1 and is drawn as it is.
    const FittedCell never = fitCell(QString(400, QChar(u'あ')), font, 13, 200, rowHeight);
    EXPECT_EQ(never.pointSize, 1);
    EXPECT_FALSE(never.fits);
}
