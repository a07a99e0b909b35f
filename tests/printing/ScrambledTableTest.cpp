// Scrambled table files: the key, the name rule, scrambling and the reader of 表ファイル読込.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <random>
#include <set>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"
#include "printing/ScrambledTable.h"
#include "support/ErrorOf.h"
#include "support/TestSupport.h"

using namespace pekuru;
using pekuru::test::errorOf;

namespace {

const QString kMarker = QString::fromUtf16(kTableEndMarker);
const QString kFile = QStringLiteral("表vv.ccc");

using Rows = std::vector<std::vector<QString>>;

// The exchanges done straight from the key texts as they read: pair j of each text is a 1-based
// character position, exchanges 1 to 99 in turn. Used to make lines that scrambleLine refuses.
QString scrambleRaw(QString s) {
    const auto a = keyNumbers(firstKeyText());
    const auto b = keyNumbers(secondKeyText());
    for (int j = 1; j <= 99; ++j) {
        const qsizetype p = a[j].toInt() - 1, q = b[j].toInt() - 1;
        const QChar t = s[p];
        s[p] = s[q];
        s[q] = t;
    }
    return s;
}

QString padded(QString s) { return s.leftJustified(99, QLatin1Char('*')); }

QByteArray fileOf(const QStringList& scrambledLines, const QString& lineEnd = QStringLiteral("\r\n")) {
    QString text;
    for (const QString& line : scrambledLines) text += line + lineEnd;
    return cp932::encode(text, QStringLiteral("test"));
}

QByteArray fileOfPlain(const QStringList& plainLines) {
    QStringList lines;
    for (const QString& p : plainLines) lines << scrambleLine(p);
    return fileOf(lines);
}

// The table holds exactly `rows`: each row's fields from column 1, nothing after them.
void expectTable(const hensuu1& g, const Rows& rows) {
    ASSERT_EQ(g.TableRows, Long(rows.size()));
    for (int r = 1; r <= int(rows.size()); ++r) {
        const auto& fields = rows[std::size_t(r - 1)];
        for (int c = 1; c <= int(fields.size()); ++c)
            EXPECT_EQ(g.TableData(r, c), fields[std::size_t(c - 1)]) << r << "," << c;
        for (int c = int(fields.size()) + 1; c <= kMaxTableFields; ++c)
            EXPECT_TRUE(g.TableData(r, c).isEmpty());
    }
}

}  // namespace

TEST(TableKey, HasTheFormOfTwoKeyTextsOfPositionPairs) {
    for (const QStringView text : {firstKeyText(), secondKeyText()}) {
        ASSERT_EQ(text.size(), 396);
        for (const QChar ch : text) EXPECT_TRUE(ch.isDigit() && ch.unicode() < 0x80);
        const auto numbers = keyNumbers(text);
        EXPECT_TRUE(numbers[198].isEmpty());
        for (int i = 0; i <= 197; ++i) EXPECT_EQ(numbers[i].size(), 2) << i;
        std::set<int> positions;
        for (int j = 1; j <= 99; ++j) {
            EXPECT_NE(numbers[j], QStringLiteral("00")) << j;
            EXPECT_GE(numbers[j].toInt(), 1) << j;
            EXPECT_LE(numbers[j].toInt(), 99) << j;
            positions.insert(numbers[j].toInt());
        }
        EXPECT_EQ(positions.size(), 99u) << "every position of a line takes part";
    }
    const auto a = keyNumbers(firstKeyText());
    const auto b = keyNumbers(secondKeyText());
    int selfExchanges = 0;
    for (int j = 1; j <= 99; ++j) selfExchanges += a[j] == b[j];
    EXPECT_EQ(selfExchanges, 0);
    EXPECT_EQ(longestKeyPosition(), 99);
}

TEST(TableKey, ScramblesExactlyAsTheKeyTextsRead) {
    const QString plain = QStringLiteral("一石二鳥,いっせきにちょう,1");
    EXPECT_EQ(scrambleLine(plain), scrambleRaw(padded(plain + kMarker)));
    // A line scrambled when the key was chosen: files in the field must stay readable.
    const QString stored = QStringLiteral(
        "**********い****に**き*,*ち***ょっ*ｅ1う***二石**／一**鳥***************ｄ******ｎ********／*******,"
        "***********せ***");
    EXPECT_EQ(scrambleLine(plain), stored);
    EXPECT_EQ(unscrambleLine(stored), padded(plain + kMarker));
}

TEST(ScrambledFileName, CutsTheFileNameAtItsFirstDotWhateverTheFoldersHold) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("四字02.CSV"), QStringLiteral("四字02vv.ccc")},
        {QStringLiteral("/教室/ペクル/四字02.CSV"), QStringLiteral("/教室/ペクル/四字02vv.ccc")},
        {QStringLiteral("v1.2/四字02.CSV"), QStringLiteral("v1.2/四字02vv.ccc")},
        {QStringLiteral("/home/taro/.local/share/pekuru/教室/ペクル/四字02.CSV"),
         QStringLiteral("/home/taro/.local/share/pekuru/教室/ペクル/四字02vv.ccc")},
        {QStringLiteral("/mnt/juku.share/ペクル.v2/四字02.CSV"),
         QStringLiteral("/mnt/juku.share/ペクル.v2/四字02vv.ccc")},
        {QStringLiteral("表.tar.gz"), QStringLiteral("表vv.ccc")},
        {QStringLiteral("表."), QStringLiteral("表vv.ccc")},
        {QStringLiteral("/教室/.csv"), QStringLiteral("/教室/vv.ccc")},
    };
    for (const auto& [plain, scrambled] : cases)
        EXPECT_EQ(scrambledFileName(plain), scrambled) << plain.toStdString();

    // A dot only in the folders does not give the file name one.
    for (const char* name : {"/教室/四字02", "/home/taro.yamada/四字02"}) {
        const QString plain = QString::fromUtf8(name);
        const ProgramError e = errorOf([&] { (void)scrambledFileName(plain); });
        EXPECT_EQ(e.number(), ProgramError::BadFileName) << name;
        EXPECT_TRUE(e.description().contains(plain)) << name;
    }
}

TEST(ScrambledTableReader, StoresTheFieldsBeforeTheMarker) {
    const QString longRow = QString(60, QChar(u'語')) + QLatin1Char(',') + QString(60, QChar(u'x'));
    struct Case {
        const char* name;
        QStringList plain;
        Rows rows;
        int cols;
    };
    const Case cases[] = {
        {"three fields, filler dropped",
         {QStringLiteral("一石二鳥,いっせきにちょう,1")},
         {{QStringLiteral("一石二鳥"), QStringLiteral("いっせきにちょう"), QStringLiteral("1")}},
         3},
        {"empty fields between commas",
         {QStringLiteral("a,,c"), QStringLiteral(",,")},
         {{"a", "", "c"}, {"", "", ""}},
         3},
        {"marker first gives one empty field", {QString()}, {{""}}, 1},
        {"no comma gives one field", {QStringLiteral("四字")}, {{QStringLiteral("四字")}}, 1},
        {"field counts differ, last line counts",
         {QStringLiteral("a,b,c"), QStringLiteral("d")},
         {{"a", "b", "c"}, {"d"}},
         1},
        {"last line longer", {QStringLiteral("d"), QStringLiteral("a,b,c")}, {{"d"}, {"a", "b", "c"}}, 3},
        {"filler characters before the marker are data", {QStringLiteral("*a*, ** ")}, {{"*a*", " ** "}}, 2},
        {"a row longer than the key needs no filler",
         {longRow},
         {{QString(60, QChar(u'語')), QString(60, QChar(u'x'))}},
         2},
        {"half-width look-alike of the marker is data",
         {QStringLiteral("/end/,ｅｎｄ／")},
         {{"/end/", QStringLiteral("ｅｎｄ／")}},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = std::make_unique<hensuu1>();
        readScrambledTable(*g, fileOfPlain(c.plain), kFile);
        expectTable(*g, c.rows);
        EXPECT_EQ(g->TableCols, c.cols);
        for (int r = 0; r <= g->TableRows; ++r) EXPECT_TRUE(g->TableData(r, 0).isEmpty());
        for (int col = 0; col <= kMaxTableFields; ++col) EXPECT_TRUE(g->TableData(0, col).isEmpty());
    }
}

TEST(ScrambledTableReader, AcceptsEitherLineEndAndNoFinalOne) {
    const QString a = scrambleLine(QStringLiteral("一,二")), b = scrambleLine(QStringLiteral("三"));
    const Rows expected = {{QStringLiteral("一"), QStringLiteral("二")}, {QStringLiteral("三")}};
    const std::pair<const char*, QString> cases[] = {
        {"CR LF", a + "\r\n" + b + "\r\n"},
        {"LF", a + "\n" + b + "\n"},
        {"no final line end", a + "\r\n" + b},
        {"mixed", a + "\n" + b + "\r\n"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        auto g = std::make_unique<hensuu1>();
        readScrambledTable(*g, cp932::encode(text, QStringLiteral("t")), kFile);
        expectTable(*g, expected);
    }
}

TEST(ScrambledTableReader, TakesTheLimitsThemselves) {
    auto g = std::make_unique<hensuu1>();
    QStringList hundredFields;
    for (int i = 1; i <= kMaxTableFields; ++i) hundredFields << QString::number(i);
    QStringList lines(kMaxTableLines - 1, QStringLiteral("x"));
    lines << hundredFields.join(QLatin1Char(','));
    readScrambledTable(*g, fileOfPlain(lines), kFile);
    EXPECT_EQ(g->TableRows, kMaxTableLines);
    EXPECT_EQ(g->TableCols, kMaxTableFields);
    EXPECT_EQ(g->TableData(kMaxTableLines, kMaxTableFields), QStringLiteral("100"));
}

TEST(ScrambledTableReader, EmptyFileIsATableOfNoRows) {
    auto g = std::make_unique<hensuu1>();
    readScrambledTable(*g, fileOfPlain({QStringLiteral("a,b"), QStringLiteral("c,d")}), kFile);
    readScrambledTable(*g, QByteArray(), kFile);
    EXPECT_EQ(g->TableRows, 0);
    EXPECT_EQ(g->TableCols, 0);
    EXPECT_TRUE(g->TableData(1, 1).isEmpty());
}

TEST(ScrambledTableReader, ANewTableLeavesNothingOfALongerOne) {
    auto g = std::make_unique<hensuu1>();
    readScrambledTable(
        *g, fileOfPlain({QStringLiteral("a,b,c"), QStringLiteral("d,e,f"), QStringLiteral("g")}), kFile);
    readScrambledTable(*g, fileOfPlain({QStringLiteral("x")}), kFile);
    EXPECT_EQ(g->TableRows, 1);
    EXPECT_EQ(g->TableData(1, 1), QStringLiteral("x"));
    for (const auto& [r, c] : {std::pair{1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}})
        EXPECT_TRUE(g->TableData(r, c).isEmpty()) << r << "," << c;
}

TEST(ScrambledTableReader, RefusesBadFilesNamingTheLineAndKeepsTheTable) {
    const QString good = scrambleLine(QStringLiteral("良,い"));
    QStringList hundredAndOne;
    for (int i = 1; i <= kMaxTableFields + 1; ++i) hundredAndOne << QStringLiteral("f");
    const QString tooManyFields = scrambleRaw(hundredAndOne.join(QLatin1Char(',')) + kMarker);
    QString thousandAndOne;
    for (int i = 0; i <= kMaxTableLines; ++i) thousandAndOne += good + "\r\n";
    const QByteArray badByte = fileOf({good}) + "\x81\x7F" + fileOf({good});  // lead byte, invalid trail byte

    struct Case {
        const char* name;
        QByteArray bytes;
        int number;
        int line;
        QString says;
    };
    const Case cases[] = {
        {"line one character short", fileOf({good, good.left(98)}), 5, 2, QStringLiteral("98 文字")},
        {"empty line", fileOf({good, QString(), good}), 5, 2, QStringLiteral("0 文字")},
        {"no marker", fileOf({scrambleRaw(QString(99, QChar(u'x')))}), 5, 1, kMarker},
        {"marker cut by a wrong key", fileOf({good, padded(QStringLiteral("良,い") + kMarker)}), 5, 2,
         kMarker},
        {"101 fields", fileOf({good, good, tooManyFields}), 9, 3, QStringLiteral("101 個")},
        {"1001 lines", cp932::encode(thousandAndOne, QStringLiteral("t")), 9, 1001,
         QStringLiteral("1000 行まで")},
        {"not CP932", badByte, ProgramError::InvalidCharacter, 0,
         QStringLiteral("CP932")},  // the decoder names the line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = std::make_unique<hensuu1>();
        readScrambledTable(*g, fileOfPlain({QStringLiteral("前,の"), QStringLiteral("表")}), kFile);
        const ProgramError e = errorOf([&] { readScrambledTable(*g, c.bytes, kFile); });
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.description().contains(describePlace(kFile, c.line))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(c.says)) << e.description().toStdString();
        EXPECT_EQ(g->TableRows, 2);
        EXPECT_EQ(g->TableCols, 1);
        EXPECT_EQ(g->TableData(1, 2), QStringLiteral("の"));
    }
}

TEST(表ファイル読込, ReadsTheScrambledFileBesideThePlainName) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/ペクル/");
    test::writeBytes(folder + QStringLiteral("四字02vv.ccc"),
                     fileOfPlain({QStringLiteral("一石二鳥,いっせきにちょう"),
                                  QStringLiteral("十人十色,じゅうにんといろ")}));
    auto g = std::make_unique<hensuu1>();
    表ファイル読込(*g, folder + QStringLiteral("四字02.CSV"));
    expectTable(*g, {{QStringLiteral("一石二鳥"), QStringLiteral("いっせきにちょう")},
                     {QStringLiteral("十人十色"), QStringLiteral("じゅうにんといろ")}});

    const ProgramError missing = errorOf([&] { 表ファイル読込(*g, folder + QStringLiteral("四字03.CSV")); });
    EXPECT_EQ(missing.number(), ProgramError::FileNotFound);
    EXPECT_TRUE(missing.description().contains(folder + QStringLiteral("四字03vv.ccc")));
    EXPECT_EQ(g->TableRows, 2);
}

TEST(ScrambleLine, RefusesRowsThatWouldNotReadBack) {
    QStringList many;
    for (int i = 0; i <= kMaxTableFields; ++i) many << QString();
    const std::pair<const char*, QString> refused[] = {
        {"holds the marker", QStringLiteral("a／ｅｎｄ／b")},
        {"ends in the marker's start", QStringLiteral("a,b／ｅｎｄ")},
        {"line break", QStringLiteral("a\r\nb")},
        {"control character", QStringLiteral("a\x01")},
        {"not in CP932", QStringLiteral("한국")},
        {"outside the BMP", QStringLiteral("a😀")},
        {"101 fields", many.join(QLatin1Char(','))},
    };
    for (const auto& [name, line] : refused) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(plainLineProblem(line).isEmpty());
        EXPECT_THROW((void)scrambleLine(line), ProgramError);
    }
    for (const QString& fine : {QStringLiteral("／ｅｎ"), QStringLiteral("x／"), QStringLiteral("ｅｎｄ／"),
                                QStringLiteral("a\tb"), QStringLiteral("①Ⅲｽﾀｰﾄ　")})
        EXPECT_TRUE(plainLineProblem(fine).isEmpty()) << fine.toStdString();
}

TEST(ScrambleTable, RandomRowsOfCp932TextComeBackWhole) {
    const QString alphabet = QStringLiteral("①Ⅲｽﾀｰﾄ　,*／ｅｎｄa 漢字ー～");
    std::mt19937 rng(4711);
    QStringList plain;
    int refused = 0;
    while (plain.size() < 300) {
        QString line;
        const int length = int(rng() % 160);
        for (int i = 0; i < length; ++i) line += alphabet[int(rng() % alphabet.size())];
        if (!plainLineProblem(line).isEmpty()) {
            ++refused;
            continue;
        }
        plain << line;
    }
    EXPECT_LT(refused, 100);
    auto g = std::make_unique<hensuu1>();
    readScrambledTable(*g, scrambleTable(plain.join(QStringLiteral("\r\n")), QStringLiteral("plain.csv")),
                       kFile);
    ASSERT_EQ(g->TableRows, plain.size());
    for (int r = 1; r <= plain.size(); ++r) {
        const QStringList fields = plain[r - 1].split(QLatin1Char(','));
        for (int c = 1; c <= fields.size(); ++c)
            ASSERT_EQ(g->TableData(r, c), fields[c - 1]) << r << "," << c;
        EXPECT_TRUE(g->TableData(r, int(fields.size()) + 1).isEmpty());
    }
    EXPECT_EQ(g->TableCols, plain.last().count(QLatin1Char(',')) + 1);
}
