// The idiom table of the demo classroom: the scrambled file in data/sample/教室/ペクル/ reads back to
// exactly our plain table data/idioms/四字02.csv, and the table itself is well formed.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringDecoder>
#include <map>
#include <memory>
#include <set>

#include "platform/ProgramError.h"
#include "printing/ScrambledTable.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

const QString kSourceDir = QStringLiteral(PEKURU_SOURCE_DIR);
const QString kPlainTable = kSourceDir + QStringLiteral("/data/idioms/四字02.csv");
const QString kProgramFolder = kSourceDir + QStringLiteral("/data/sample/教室/ペクル");

// The rows of the plain table, read as UTF-8: one row a line, fields split at every ",".
std::vector<QStringList> plainRows() {
    QFile file(kPlainTable);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << kPlainTable.toStdString();
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(file.readAll());
    EXPECT_FALSE(decoder.hasError()) << "the plain table is not UTF-8";
    EXPECT_FALSE(text.startsWith(QChar(0xFEFF))) << "the plain table starts with a byte order mark";
    EXPECT_FALSE(text.contains(QLatin1Char('\r'))) << "the plain table has CR line ends";
    QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_TRUE(!lines.isEmpty() && lines.last().isEmpty()) << "the last line has no line end";
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    std::vector<QStringList> rows;
    for (const QString& line : lines) rows.push_back(line.split(QLatin1Char(',')));
    return rows;
}

// Reads the demo classroom's scrambled table by its plain name, as the program does.
std::unique_ptr<hensuu1> readDemoTable() {
    auto g = std::make_unique<hensuu1>();
    try {
        表ファイル読込(*g, kProgramFolder + QStringLiteral("/四字02.CSV"));
    } catch (const ProgramError& e) {
        ADD_FAILURE() << "表ファイル読込 failed: " << e.what();
    }
    return g;
}

bool isHiragana(QChar c) { return c.unicode() >= 0x3041 && c.unicode() <= 0x3096; }
bool isKanji(QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }

}  // namespace

TEST(IdiomTable, ScrambledFileReadsBackToThePlainTable) {
    const std::vector<QStringList> rows = plainRows();
    ASSERT_FALSE(rows.empty());
    const auto g = readDemoTable();
    ASSERT_EQ(g->TableRows, Long(rows.size()))
        << "the scrambled file is stale: rebuild it with pekuru-scramble-table";
    EXPECT_EQ(g->TableCols, 4);
    for (int r = 1; r <= int(rows.size()); ++r) {
        const QStringList& fields = rows[std::size_t(r - 1)];
        ASSERT_EQ(fields.size(), 4) << "line " << r << " of the plain table";
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(g->TableData(r, c).toStdString(), fields[c - 1].toStdString())
                << "line " << r << ", field " << c;
        EXPECT_TRUE(g->TableData(r, 5).isEmpty()) << "line " << r << " has more than four fields";
    }
}

TEST(IdiomTable, BuiltFileIsTheCommittedFile) {
    // The build scrambles the plain table; the demo classroom must hold that very file.
    const QByteArray built = test::readBytes(QStringLiteral(PEKURU_BUILT_IDIOM_TABLE));
    const QByteArray committed = test::readBytes(kProgramFolder + QStringLiteral("/四字02vv.ccc"));
    ASSERT_FALSE(built.isEmpty());
    EXPECT_TRUE(built == committed) << "data/sample/教室/ペクル/四字02vv.ccc differs from the build's "
                                    << PEKURU_BUILT_IDIOM_TABLE;
}

TEST(IdiomTable, IsWellFormed) {
    const std::vector<QStringList> rows = plainRows();
    EXPECT_GE(rows.size(), 200u);
    std::map<int, int> perLevel;
    std::set<QString> idioms;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& f = rows[i];
        const std::string where =
            "line " + std::to_string(i + 1) + ": " + f.join(QLatin1Char(',')).toStdString();
        ASSERT_EQ(f.size(), 4) << where;

        bool ok = false;
        const int level = f[0].toInt(&ok);
        EXPECT_TRUE(ok && level >= 1 && level <= 10 && f[0] == QString::number(level)) << where;
        ++perLevel[level];

        const QString& idiom = f[1];
        EXPECT_EQ(idiom.size(), 4) << where;
        for (QChar c : idiom) EXPECT_TRUE(isKanji(c)) << where;
        EXPECT_TRUE(idioms.insert(idiom).second) << "repeated idiom, " << where;

        const QString& reading = f[2];
        EXPECT_GE(reading.size(), 4) << where;
        for (QChar c : reading) EXPECT_TRUE(isHiragana(c)) << where;

        const QString& meaning = f[3];
        EXPECT_GE(meaning.size(), 10) << where;
        EXPECT_LE(meaning.size(), 35) << where;

        for (const QString& field : f) {
            EXPECT_FALSE(field.contains(QLatin1Char('"'))) << where;
            EXPECT_FALSE(field.contains(QString::fromUtf16(kTableEndMarker))) << where;
        }
        EXPECT_TRUE(plainLineProblem(f.join(QLatin1Char(','))).isEmpty()) << where;
    }
    for (int level = 1; level <= 10; ++level) EXPECT_GE(perLevel[level], 12) << "level " << level;
    EXPECT_EQ(perLevel.size(), 10u) << "a level outside 1..10";
}
