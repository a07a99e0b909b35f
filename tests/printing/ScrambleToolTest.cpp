// pekuru-scramble-table run as a real program on real files, read back by 表ファイル読込.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "platform/Cp932.h"
#include "printing/ScrambledTable.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString err;
};

ToolRun runTool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(PEKURU_SCRAMBLE_TOOL), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray utf8(const QString& s) { return s.toUtf8(); }

}  // namespace

TEST(ScrambleTool, WritesTheFileTheReaderReads) {
    QTemporaryDir dir;
    // Beside the plain table, whatever dots the folders above carry.
    const QString plain = dir.filePath(QStringLiteral("juku.share/四字02.CSV"));
    test::writeCp932(plain, QStringLiteral("一石二鳥,いっせきにちょう,1\n①Ⅲ,ｽﾀｰﾄ,　\n,,\n"));
    const ToolRun run = runTool({plain});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QByteArray bytes = test::readBytes(dir.filePath(QStringLiteral("juku.share/四字02vv.ccc")));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines, each ended by CR LF
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r'));
        EXPECT_GE(cp932::decode(lines[i].chopped(1), QStringLiteral("t")).size(), 99);
    }
    EXPECT_FALSE(bytes.contains(cp932::encode(QStringLiteral("一石二鳥"), QStringLiteral("t"))));

    auto g = std::make_unique<hensuu1>();
    表ファイル読込(*g, plain);
    ASSERT_EQ(g->TableRows, 3);
    EXPECT_EQ(g->TableCols, 3);
    const QString expected[3][3] = {
        {QStringLiteral("一石二鳥"), QStringLiteral("いっせきにちょう"), QStringLiteral("1")},
        {QStringLiteral("①Ⅲ"), QStringLiteral("ｽﾀｰﾄ"), QStringLiteral("　")},
        {QString(), QString(), QString()}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(g->TableData(r, c), expected[r - 1][c - 1]) << r << "," << c;
}

TEST(ScrambleTool, ReadsUtf8WhenAskedAndWritesTheNamedOutput) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));
    test::writeBytes(
        plain, "\xEF\xBB\xBF" + utf8(QStringLiteral("十人十色,じゅうにんといろ\n異口同音,いくどうおん")));
    const QString out = dir.filePath(QStringLiteral("idioms.txt"));
    const ToolRun run = runTool({QStringLiteral("--utf8"), plain, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    auto g = std::make_unique<hensuu1>();
    readScrambledTable(*g, test::readBytes(out), out);
    ASSERT_EQ(g->TableRows, 2);
    EXPECT_EQ(g->TableData(1, 1), QStringLiteral("十人十色"));  // the byte order mark is not part of it
    EXPECT_EQ(g->TableData(2, 2), QStringLiteral("いくどうおん"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("plainvv.ccc"))));
}

TEST(ScrambleTool, RefusesBadInputAndWritesNothing) {
    struct Case {
        const char* name;
        QString file;        // input, relative to the scratch folder
        QByteArray content;  // written unless empty
        QStringList args;    // "%in" and "%out" stand for the paths
        QString says;
    };
    const QByteArray good = cp932::encode(QStringLiteral("一,二\r\n"), QStringLiteral("t"));
    const Case cases[] = {
        {"marker inside a row",
         "表.csv",
         cp932::encode(QStringLiteral("一\r\n二／ｅｎｄ／\r\n"), QStringLiteral("t")),
         {"%in", "%out"},
         QStringLiteral("2 行目")},
        {"row ending in the marker's start",
         "表.csv",
         cp932::encode(QStringLiteral("二／ｅｎｄ\r\n"), QStringLiteral("t")),
         {"%in", "%out"},
         QStringLiteral("終わりの印")},
        {"not in CP932",
         "表.csv",
         utf8(QStringLiteral("一\n二\n한국\n")),
         {"--utf8", "%in", "%out"},
         QStringLiteral("3 行目")},
        {"not CP932 bytes",
         "表.csv",
         QByteArray("a\r\n\x81\x7F\r\n"),
         {"%in", "%out"},
         QStringLiteral("CP932")},
        {"not UTF-8 bytes",
         "表.csv",
         QByteArray("\xFF\xFE"),
         {"--utf8", "%in", "%out"},
         QStringLiteral("UTF-8")},
        {"1001 rows",
         "表.csv",
         QByteArray("a\r\n").repeated(1001),
         {"%in", "%out"},
         QStringLiteral("1001 行")},
        {"missing input", "無い.csv", QByteArray(), {"%in", "%out"}, QStringLiteral("見つかりません")},
        {"no dot in the name", "表", good, {"%in"}, QStringLiteral("「.」")},
        {"dot only in the folder", "v1.2/表", good, {"%in"}, QStringLiteral("「.」")},
        {"output is the input", "表.csv", good, {"%in", "%in"}, QStringLiteral("同じ")},
        {"no arguments", "表.csv", good, {}, QStringLiteral("使い方")},
        {"unknown option", "表.csv", good, {"--utf16", "%in"}, QStringLiteral("--utf16")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString in = dir.filePath(c.file);
        const QString out = dir.filePath(QStringLiteral("out.ccc"));
        if (!c.content.isEmpty()) test::writeBytes(in, c.content);
        test::writeBytes(out, "old");
        QStringList args;
        for (const QString& a : c.args) args << (a == "%in" ? in : a == "%out" ? out : a);
        const ToolRun run = runTool(args);
        EXPECT_GT(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
        EXPECT_EQ(test::readBytes(out), "old");
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("表vv.ccc"))));
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("v1vv.ccc"))));
        if (!c.content.isEmpty()) {
            EXPECT_EQ(test::readBytes(in), c.content);
        }
    }
}
