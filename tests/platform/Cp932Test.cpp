// CP932 byte for byte, the same on every host: the Linux build converts through ICU, the Windows
// build through the system's code page 932, and a classroom's files must read and write alike.
#include <gtest/gtest.h>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"
#include "support/ErrorOf.h"

using namespace pekuru;
using pekuru::test::errorOf;

namespace {

const QString kFile = QStringLiteral("名簿.txt");

QString fromUcs4(char32_t c) { return QString::fromUcs4(&c, 1); }

}  // namespace

TEST(Cp932, TheCharactersOfAClassroomConvertBothWays) {
    struct Case {
        const char* what;
        char32_t character;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"ASCII", U'A', "\x41"},
        {"backslash stays a backslash", U'\\', "\x5C"},
        {"tilde stays a tilde", U'~', "\x7E"},
        {"half-width katakana", U'ｽ', "\xBD"},
        {"half-width middle dot", U'･', "\xA5"},
        {"hiragana", U'ペ', "\x83\x79"},
        {"kanji, first of level 1", U'亜', "\x88\x9F"},
        {"ideographic space", U'\u3000', "\x81\x40"},
        {"wave dash as Windows has it: full-width tilde", U'～', "\x81\x60"},
        {"full-width minus", U'－', "\x81\x7C"},
        {"parallel", U'∥', "\x81\x61"},
        {"full-width backslash", U'＼', "\x81\x5F"},
        {"full-width not sign", U'￢', "\x81\xCA"},
        {"full-width cent and pound", U'￠', "\x81\x91"},
        {"NEC row 13: circled one", U'①', "\x87\x40"},
        {"NEC row 13: Roman numeral one", U'Ⅰ', "\x87\x54"},
        {"NEC row 13: parenthesised 株", U'㈱', "\x87\x8A"},
        {"IBM extension: small Roman numeral one", U'ⅰ', "\xFA\x40"},
        {"IBM extension kanji", U'髙', "\xFB\xFC"},
        {"user-defined area", U'\uE000', "\xF0\x40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString text = fromUcs4(c.character);
        EXPECT_EQ(cp932::encode(text, kFile), c.bytes);
        EXPECT_EQ(cp932::decode(c.bytes, kFile), text);
        EXPECT_TRUE(cp932::canEncode(text));
    }
}

TEST(Cp932, DuplicateCodesReadAsOneCharacterAndWriteAsItsFirstCode) {
    // CP932 has some characters twice (NEC's and IBM's rows): both codes read, one is written.
    struct Case {
        QByteArray read;
        char32_t character;
        QByteArray written;
    };
    const Case cases[] = {
        {"\x87\x90", U'≒', "\x81\xE0"},  {"\x87\x91", U'≡', "\x81\xDF"}, {"\x87\x92", U'∫', "\x81\xE7"},
        {"\xFA\x54", U'￢', "\x81\xCA"}, {"\xFA\x5B", U'∵', "\x81\xE6"}, {"\xEE\xEF", U'ⅰ', "\xFA\x40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read.toHex().toStdString());
        EXPECT_EQ(cp932::decode(c.read, kFile), fromUcs4(c.character));
        EXPECT_EQ(cp932::encode(fromUcs4(c.character), kFile), c.written);
    }
}

TEST(Cp932, BytesWithoutAReadingAreRefusedWithTheirLine) {
    struct Case {
        const char* what;
        QByteArray line;
        QByteArray after;  // the rest of the file
    };
    const QByteArray more("y\r\nlast\r\n");
    const Case cases[] = {
        {"0x80 alone", "\x80", more},
        {"0xA0 alone", "\xA0", more},
        {"0xFD alone", "\xFD", more},
        {"0xFF alone", "\xFF", more},
        {"an unassigned double-byte code", "\x85\x40", more},
        {"a lead byte before a blank", "\x81\x20", more},
        {"a lead byte before the line end", "\x81", "\r\nlast\r\n"},
        {"a lead byte at the end of the file", "\x81", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = QByteArray("ok\r\nstill ok\r\nx") + c.line + c.after;
        const ProgramError e = errorOf([&] { (void)cp932::decode(bytes, kFile); });
        EXPECT_EQ(e.number(), ProgramError::InvalidCharacter);
        EXPECT_EQ(e.description(),
                  QStringLiteral("『名簿.txt』の 3 行目に シフトJIS (CP932) として読めない文字があります。"));
    }
}

TEST(Cp932, CharactersWithoutACp932FormAreRefusedNeverQuestionMarks) {
    struct Case {
        const char* what;
        QString character;
        const char* codePoint;
    };
    const Case cases[] = {
        {"wave dash (Windows has only the full-width tilde)", QStringLiteral("\u301C"), "U+301C"},
        {"double vertical line", QStringLiteral("\u2016"), "U+2016"},
        {"minus sign", QStringLiteral("\u2212"), "U+2212"},
        {"yen sign (best fit would write a backslash)", QStringLiteral("\u00A5"), "U+00A5"},
        {"not sign", QStringLiteral("\u00AC"), "U+00AC"},
        {"no-break space", QStringLiteral("\u00A0"), "U+00A0"},
        {"U+0080, which Windows alone would write as 0x80", QStringLiteral("\u0080"), "U+0080"},
        {"U+F8F0, which Windows alone would write as 0xA0", QStringLiteral("\uF8F0"), "U+F8F0"},
        {"hangul", QStringLiteral("한"), "U+D55C"},
        {"a character beyond the BMP", QStringLiteral("𠮷"), "U+20BB7"},
        {"an emoji", QStringLiteral("😀"), "U+1F600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString text = QStringLiteral("一行目\n二行目のあと") + c.character + QStringLiteral("まで");
        EXPECT_FALSE(cp932::canEncode(text));
        EXPECT_FALSE(cp932::tryEncode(text).has_value());
        EXPECT_EQ(cp932::firstUnencodable(text), c.character);
        const ProgramError e = errorOf([&] { (void)cp932::encode(text, kFile); });
        EXPECT_EQ(e.number(), ProgramError::InvalidCharacter);
        EXPECT_EQ(e.description(),
                  QStringLiteral(
                      "『名簿.txt』の 2 行目に書こうとした文字「%1」(%2) は シフトJIS (CP932) で表せません。")
                      .arg(c.character, QLatin1String(c.codePoint)));
    }
    // Half of a surrogate pair is no character at all.
    EXPECT_FALSE(cp932::canEncode(QString(QChar(0xD842))));
}

TEST(Cp932, LongTextsAndEmptyOnesConvertWhole) {
    QString text;
    for (int i = 0; i < 20000; ++i) text += QStringLiteral("ペクル①ｽﾀｰﾄ,\r\n");
    const QByteArray bytes = cp932::encode(text, kFile);
    EXPECT_EQ(bytes.size(), 20000 * (6 + 2 + 4 + 1 + 2));
    EXPECT_EQ(cp932::decode(bytes, kFile), text);
    EXPECT_EQ(cp932::encode(QString(), kFile), QByteArray());
    EXPECT_EQ(cp932::decode(QByteArray(), kFile), QString());
    EXPECT_EQ(cp932::tryEncode(QString()), QByteArray());
}
