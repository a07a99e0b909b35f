// The free sequential format: reading, writing and CP932 at the file boundary.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/Cp932.h"
#include "platform/FreeFormatReader.h"
#include "platform/FreeFormatWriter.h"
#include "platform/ProgramError.h"
#include "support/ErrorOf.h"
#include "support/TestSupport.h"

using namespace pekuru;
using pekuru::test::errorOf;

namespace {

QByteArray cp(const QString& s) { return cp932::encode(s, QStringLiteral("t")); }

std::vector<FreeValue> readAll(const QString& text) {
    FreeFormatReader in(cp(text), QStringLiteral("t.txt"));
    std::vector<FreeValue> out;
    while (!in.atEnd()) out.push_back(in.next());
    return out;
}

}  // namespace

TEST(FreeFormatReader, SplitsValuesAsWrittenByHandOrByTheWriteForm) {
    struct Case {
        const char* name;
        QString text;
        std::vector<QString> values;
        std::vector<bool> quoted;
    };
    const Case cases[] = {
        {"commas and CR LF", QStringLiteral("1,2\r\n3\r\n"), {"1", "2", "3"}, {false, false, false}},
        {"bare LF and no final line end", QStringLiteral("1\n2"), {"1", "2"}, {false, false}},
        {"quoted comma stays in the text", QStringLiteral("\"a,b\",c"), {"a,b", "c"}, {true, false}},
        {"blanks around values are dropped, inside quotes kept",
         QStringLiteral("  7 ,\t\" x \" , y z \r\n"),
         {"7", " x ", "y z"},
         {false, true, false}},
        {"empty values between commas", QStringLiteral("1,,3"), {"1", "", "3"}, {false, false, false}},
        {"trailing comma owes an empty value",
         QStringLiteral("1,\r\n2"),
         {"1", "", "2"},
         {false, false, false}},
        {"blank lines carry no value",
         QStringLiteral("1\r\n\r\n  \r\n2\r\n\r\n"),
         {"1", "2"},
         {false, false}},
        {"quoted line break", QStringLiteral("\"a\r\nb\",2"), {"a\r\nb", "2"}, {true, false}},
        {"empty quoted text", QStringLiteral("\"\",x"), {"", "x"}, {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto values = readAll(c.text);
        ASSERT_EQ(values.size(), c.values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i].text, c.values[i]) << i;
            EXPECT_EQ(values[i].quoted, c.quoted[i]) << i;
        }
    }
}

TEST(FreeFormatReader, KnowsLinesAndLineEnds) {
    const auto v = readAll(QStringLiteral("1,2\r\n\r\n\"x\ny\",3\n4"));
    ASSERT_EQ(v.size(), 5u);
    EXPECT_EQ(v[0].line, 1);
    EXPECT_FALSE(v[0].endsLine);
    EXPECT_TRUE(v[1].endsLine);
    EXPECT_EQ(v[2].line, 3);
    EXPECT_EQ(v[3].line, 4);  // after the quoted line break
    EXPECT_TRUE(v[3].endsLine);
    EXPECT_EQ(v[4].line, 5);
    EXPECT_TRUE(v[4].endsLine);  // end of file
}

TEST(FreeFormatReader, ConvertsNumbersWithinTheirTypes) {
    FreeFormatReader in(cp(QStringLiteral("-32768,32767,2147483647,-2147483648,1.5,,2.5,3.5,\"12\"\r\n")),
                        QStringLiteral("n.txt"));
    EXPECT_EQ(in.readInt16(), -32768);
    EXPECT_EQ(in.readInt16(), 32767);
    EXPECT_EQ(in.readInt32(), 2147483647);
    EXPECT_EQ(in.readInt32(), -2147483647 - 1);
    EXPECT_EQ(in.readSingle(), 1.5f);
    EXPECT_EQ(in.readInt16(), 0);  // an empty value reads as zero
    EXPECT_EQ(in.readInt16(), 2);  // halves round to even
    EXPECT_EQ(in.readInt16(), 4);
    EXPECT_EQ(in.readInt32(), 12);  // a quoted number is still a number
}

TEST(FreeFormatReader, ReportsBadValuesWithFileLineValueAndType) {
    struct Case {
        QString text;
        int read;  // 0: int16, 1: int32, 2: single
        int number;
        QString mustContain;
    };
    const Case cases[] = {
        {QStringLiteral("1\r\n32768"), 0, ProgramError::Overflow,
         QStringLiteral("2 行目の値「32768」は範囲外")},
        {QStringLiteral("2147483648"), 1, ProgramError::Overflow, QStringLiteral("32ビット整数")},
        {QStringLiteral("1e39"), 2, ProgramError::Overflow, QStringLiteral("単精度実数")},
        {QStringLiteral("\r\n\r\n12a"), 0, ProgramError::TypeMismatch,
         QStringLiteral("3 行目の値「12a」は数ではありません")},
        {QStringLiteral("\"abc\""), 1, ProgramError::TypeMismatch, QStringLiteral("「abc」")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const ProgramError e = errorOf([&] {
            FreeFormatReader in(cp(c.text), QStringLiteral("/x/値.txt"));
            while (!in.atEnd()) {
                if (c.read == 0) (void)in.readInt16();
                if (c.read == 1) (void)in.readInt32();
                if (c.read == 2) (void)in.readSingle();
            }
        });
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.description().contains(QStringLiteral("/x/値.txt"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(c.mustContain)) << e.description().toStdString();
    }
}

TEST(FreeFormatReader, ReportsBrokenStructure) {
    EXPECT_EQ(errorOf([] {
                  FreeFormatReader in(cp(QStringLiteral("1")), QStringLiteral("a.txt"));
                  in.skip();
                  in.skip();
              }).number(),
              ProgramError::InputPastEnd);
    EXPECT_EQ(errorOf([] {
                  FreeFormatReader(cp(QStringLiteral("\"open")), QStringLiteral("a.txt")).next();
              }).number(),
              ProgramError::InputPastEnd);
    EXPECT_EQ(errorOf([] {
                  FreeFormatReader(cp(QStringLiteral("\"a\"b,1")), QStringLiteral("a.txt")).next();
              }).number(),
              ProgramError::TypeMismatch);
    // A byte sequence that is not Shift-JIS names the line it is on.
    const ProgramError bad =
        errorOf([] { FreeFormatReader(QByteArray("1\r\n2\r\n\x81\x20", 7), QStringLiteral("b.txt")); });
    EXPECT_EQ(bad.number(), ProgramError::InvalidCharacter);
    EXPECT_TRUE(bad.description().contains(QStringLiteral("3 行目")));
    // Not only on the last line.
    const ProgramError middle = errorOf(
        [] { FreeFormatReader(QByteArray("1\r\n\x81\x20\r\n3\r\n4\r\n", 13), QStringLiteral("c.txt")); });
    EXPECT_TRUE(middle.description().contains(QStringLiteral("2 行目")))
        << middle.description().toStdString();
    EXPECT_EQ(errorOf([] { FreeFormatReader::open(QStringLiteral("/nonexistent/設定.txt")); }).number(),
              ProgramError::FileNotFound);
}

TEST(FreeFormatReader, ReadsVariantsAsTheyStand) {
    FreeFormatReader in(cp(QStringLiteral("1,\"1\",,abc,-2.5")), QStringLiteral("v.txt"));
    const Variant a = in.readVariant(), b = in.readVariant(), c = in.readVariant(), d = in.readVariant(),
                  e = in.readVariant();
    EXPECT_TRUE(a.isNumber());
    EXPECT_TRUE(b.isText());
    EXPECT_TRUE(a.equalsNumber(1));
    EXPECT_TRUE(b.equalsNumber(1));  // the text "1" counts as 1
    EXPECT_TRUE(c.isEmpty());
    EXPECT_FALSE(d.equalsNumber(0));
    EXPECT_EQ(e.toNumber(), -2.5);
}

TEST(FreeFormatWriter, WritesTheWriteFormInCp932WithCrLf) {
    FreeFormatWriter w(QStringLiteral("名簿.txt"));
    w.integer(12).integer(2013).text(QStringLiteral("はなこ")).single(1.5f).single(0.1f).endLine();
    w.text(QString()).endLine();
    const QByteArray expected = cp(QStringLiteral("12,2013,\"はなこ\",1.5,0.1\r\n\"\"\r\n"));
    EXPECT_EQ(w.bytes(), expected);
}

TEST(FreeFormatWriter, RoundTripsCp932TextsThroughAFile) {
    const QStringList texts = {QStringLiteral("①②"),         QStringLiteral("Ⅲ"),    QStringLiteral("ｽﾀｰﾄ"),
                               QStringLiteral("山田　花子"), QStringLiteral("a, b"), QStringLiteral("  ")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rt.txt"));
    FreeFormatWriter w(path);
    for (const QString& t : texts) w.text(t).integer(-7).endLine();
    w.saveTo(path);
    FreeFormatReader in = FreeFormatReader::open(path);
    for (const QString& t : texts) {
        EXPECT_EQ(in.readText(), t);
        EXPECT_EQ(in.readInt16(), -7);
    }
    EXPECT_TRUE(in.atEnd());
    // ｽ is one byte in CP932, ① two.
    EXPECT_EQ(cp(QStringLiteral("ｽ①")).size(), 3);
}

TEST(FreeFormatWriter, RefusesWhatTheFormatCannotCarryAndLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    test::writeBytes(path, "old");
    for (const QString& bad : {QStringLiteral("😀"), QStringLiteral("한국"), QStringLiteral("say \"hi\""),
                               QStringLiteral("two\nlines")}) {
        SCOPED_TRACE(bad.toStdString());
        const ProgramError e = errorOf([&] {
            FreeFormatWriter w(path);
            w.text(QStringLiteral("ok")).text(bad).endLine();
            w.saveTo(path);
        });
        EXPECT_EQ(e.number(), ProgramError::InvalidCharacter);
        EXPECT_EQ(test::readBytes(path), QByteArray("old"));
    }
    EXPECT_EQ(cp932::firstUnencodable(QStringLiteral("あい😀う")), QStringLiteral("😀"));
}
