// The roster registration: what "変更" writes, byte for byte, and what it refuses to write.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <memory>

#include "platform/Cp932.h"
#include "roster/RosterEdit.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

const QString kBlank20 = QString(20, QLatin1Char(' '));

// A stored line in the write form, as the suite's programs read it.
QString line(int number, int born, int v3, int v4, const QString& name, const QString& flag,
             const QString& t2 = {}, const QString& t3 = {}) {
    return QStringLiteral("%1,%2,%3,%4,\"%5\",%6,\"%7\",\"%8\"\r\n")
        .arg(number)
        .arg(born)
        .arg(v3)
        .arg(v4)
        .arg(fixedText(name), flag, fixedText(t2), fixedText(t3));
}

// Three rows with everything the screen must keep: odd numbers, a hidden row, reserved values.
const QString kHome =
    line(4, 2015, 5, 6, QStringLiteral("はなこ"), QStringLiteral("0"), QStringLiteral("メモ")) +
    line(9, 2012, 0, 1, QStringLiteral("たろう"), QStringLiteral("2")) +
    line(12, 1985, 7, 8, QStringLiteral("やまだ先生"), QStringLiteral("1"), {}, QStringLiteral("ひかえ"));

struct Editing {
    test::Classroom room;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    explicit Editing(const QString& roster = kHome) {
        g->KyoutuuFolder = room.common() + QLatin1Char('/');
        room.writeRoster(roster);
    }
    QString path() const { return room.commonFile(QStringLiteral("生徒用名簿.txt")); }
    QString file() const { return cp932::decode(test::readBytes(path()), path()); }
    RegistrationInputs boxes() { return registrationBoxes(readRosterForEditing(*g)); }
};

}  // namespace

TEST(Registration, TheBoxesShowEachLineOfTheFileHiddenRowsIncluded) {
    Editing e;
    const RegistrationInputs b = e.boxes();
    EXPECT_EQ(b[0].name, QStringLiteral("はなこ"));
    EXPECT_EQ(b[0].birthYear, QStringLiteral("2015"));
    EXPECT_EQ(b[2].name, QStringLiteral("やまだ先生"));  // flag 1, still row 3
    EXPECT_EQ(b[2].birthYear, QStringLiteral("1985"));
    EXPECT_EQ(e.g->MeiboData[3].Bangou, 12);
}

TEST(Registration, SavingWritesTheBoxesAndKeepsEverythingElse) {
    struct Case {
        const char* what;
        std::function<void(RegistrationInputs&)> edit;
        QString expected;
    };
    const Case cases[] = {
        {"only row 2's name changed", [](RegistrationInputs& b) { b[1].name = QStringLiteral("さくら"); },
         line(4, 2015, 5, 6, QStringLiteral("はなこ"), QStringLiteral("0"), QStringLiteral("メモ")) +
             line(9, 2012, 0, 1, QStringLiteral("さくら"), QStringLiteral("2")) +
             line(12, 1985, 7, 8, QStringLiteral("やまだ先生"), QStringLiteral("1"), {},
                  QStringLiteral("ひかえ"))},
        {"blanks around a name are dropped, a long name is cut to 20",
         [](RegistrationInputs& b) {
             b[0].name = QStringLiteral("  ゆき  ");
             b[2].name = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬ");
         },
         line(4, 2015, 5, 6, QStringLiteral("ゆき"), QStringLiteral("0"), QStringLiteral("メモ")) +
             line(9, 2012, 0, 1, QStringLiteral("たろう"), QStringLiteral("2")) +
             line(12, 1985, 7, 8, QStringLiteral("あいうえおかきくけこさしすせそたちつてと"),
                  QStringLiteral("1"), {}, QStringLiteral("ひかえ"))},
        {"birth years: the leading number, full-width digits too, halves to even",
         [](RegistrationInputs& b) {
             b[0].birthYear = QStringLiteral("2014年");
             b[1].birthYear = QStringLiteral("２０１３ねん");
             b[2].birthYear = QStringLiteral("1984.5");
         },
         line(4, 2014, 5, 6, QStringLiteral("はなこ"), QStringLiteral("0"), QStringLiteral("メモ")) +
             line(9, 2013, 0, 1, QStringLiteral("たろう"), QStringLiteral("2")) +
             line(12, 1984, 7, 8, QStringLiteral("やまだ先生"), QStringLiteral("1"), {},
                  QStringLiteral("ひかえ"))},
        {"a birth year that is no number is 0; a name may be empty",
         [](RegistrationInputs& b) {
             b[0].birthYear = QStringLiteral("わからない");
             b[1].birthYear = QStringLiteral(" 2011.5 ");
             b[1].name = QString();
         },
         line(4, 0, 5, 6, QStringLiteral("はなこ"), QStringLiteral("0"), QStringLiteral("メモ")) +
             line(9, 2012, 0, 1, QString(), QStringLiteral("2")) +
             line(12, 1985, 7, 8, QStringLiteral("やまだ先生"), QStringLiteral("1"), {},
                  QStringLiteral("ひかえ"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editing e;
        RegistrationInputs b = e.boxes();
        c.edit(b);
        ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
        EXPECT_EQ(e.file(), c.expected);
        EXPECT_EQ(e.g->MeiboData[2].Namae, fixedText(b[1].name.trimmed()));
    }
}

TEST(Registration, SavingTwiceWritesTheSameFile) {
    Editing e;
    RegistrationInputs b = e.boxes();
    b[0].name = QStringLiteral("あおい");
    ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
    const QByteArray first = test::readBytes(e.path());
    ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
    EXPECT_EQ(test::readBytes(e.path()), first);
    // The boxes read back from the saved file save to the same bytes again.
    ASSERT_EQ(saveRegistration(*e.g, e.boxes()), std::nullopt);
    EXPECT_EQ(test::readBytes(e.path()), first);
}

TEST(Registration, SavingReadsTheFileAgainFirst) {
    Editing e;
    RegistrationInputs b = e.boxes();
    // Another program changes a number and a flag while the screen is open.
    e.room.writeRoster(QString(kHome).replace(QStringLiteral("9,2012,0,1"), QStringLiteral("10,2012,0,1")));
    b[0].name = QStringLiteral("あおい");
    ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
    EXPECT_TRUE(e.file().contains(QStringLiteral("\r\n10,2012,0,1,\"たろう")));
}

TEST(Registration, ABoxThatCannotBeStoredIsRefusedAndNothingIsWritten) {
    struct Case {
        const char* what;
        int row;
        QString name;
        QString birthYear;
        std::vector<QString> said;  // parts of the message
    };
    const Case cases[] = {
        {"a character without a CP932 form",
         2,
         QStringLiteral("𠮷田"),
         QStringLiteral("2012"),
         {QStringLiteral("2 行目"), QStringLiteral("「𠮷」"), QStringLiteral("書けない文字")}},
        {"an emoji",
         3,
         QStringLiteral("はな😀"),
         QStringLiteral("2012"),
         {QStringLiteral("3 行目"), QStringLiteral("😀")}},
        {"a double quote",
         1,
         QStringLiteral("は\"な"),
         QStringLiteral("2015"),
         {QStringLiteral("1 行目"), QStringLiteral("\"")}},
        {"a tab",
         1,
         QStringLiteral("は\tな"),
         QStringLiteral("2015"),
         {QStringLiteral("1 行目"), QStringLiteral("制御文字")}},
        {"a birth year beyond 16 bits",
         2,
         QStringLiteral("たろう"),
         QStringLiteral("40000"),
         {QStringLiteral("2 行目"), QStringLiteral("40000")}},
        {"a negative one beyond 16 bits",
         3,
         QStringLiteral("先生"),
         QStringLiteral("-32769"),
         {QStringLiteral("3 行目")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editing e;
        const QByteArray before = test::readBytes(e.path());
        RegistrationInputs b = e.boxes();
        b[std::size_t(c.row - 1)] = {c.name, c.birthYear};
        const auto refusal = saveRegistration(*e.g, b);
        ASSERT_TRUE(refusal.has_value());
        for (const QString& part : c.said) EXPECT_TRUE(refusal->contains(part)) << refusal->toStdString();
        EXPECT_EQ(test::readBytes(e.path()), before);
        EXPECT_EQ(
            QDir(e.room.common()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("名簿")).size(),
            1);
    }
    // The edges of the range are stored.
    EXPECT_EQ(birthYearOf(QStringLiteral("32767")), Integer(32767));
    EXPECT_EQ(birthYearOf(QStringLiteral("-32768")), Integer(-32768));
    EXPECT_EQ(birthYearOf(QStringLiteral("32767.5")), std::nullopt);
}

TEST(Registration, ShorterAndLongerFilesKeepTheirStudents) {
    const QString two = line(2, 2015, 0, 0, QStringLiteral("あ"), QStringLiteral("0")) +
                        line(1, 2016, 0, 0, QStringLiteral("い"), QStringLiteral("0"));
    {
        SCOPED_TRACE("a missing row left empty is not written");
        Editing e(two);
        RegistrationInputs b = e.boxes();
        EXPECT_TRUE(b[2].name.isEmpty());
        ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
        EXPECT_EQ(e.file(), two);
    }
    {
        SCOPED_TRACE("a missing row with a name gets a number no one has");
        Editing e(two);
        RegistrationInputs b = e.boxes();
        b[2] = {QStringLiteral("う"), QStringLiteral("2017")};
        ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
        EXPECT_EQ(e.file(), two + line(3, 2017, 0, 0, QStringLiteral("う"), QStringLiteral("0")));
    }
    {
        SCOPED_TRACE("a fourth line (behind a hidden first) is written back unchanged");
        const QString four = line(1, 2015, 0, 0, QStringLiteral("かくれ"), QStringLiteral("1")) +
                             line(2, 2015, 0, 0, QStringLiteral("あ"), QStringLiteral("0")) +
                             line(3, 2015, 0, 0, QStringLiteral("い"), QStringLiteral("0")) +
                             line(4, 2015, 0, 0, QStringLiteral("う"), QStringLiteral("0"));
        Editing e(four);
        RegistrationInputs b = e.boxes();
        b[1].name = QStringLiteral("え");
        ASSERT_EQ(saveRegistration(*e.g, b), std::nullopt);
        EXPECT_EQ(e.file(), QString(four).replace(QStringLiteral("\"あ "), QStringLiteral("\"え ")));
    }
}
