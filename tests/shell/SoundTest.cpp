// The sound list, the six cues, the answer cues' failure rule, and the demo classroom's sounds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "platform/MediaCommands.h"
#include "platform/ProgramError.h"
#include "shell/Settings.h"
#include "shell/SoundCues.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

// Hands out the given numbers in turn.
class FixedRandom final : public Random {
  public:
    explicit FixedRandom(std::deque<float> values) : values_(std::move(values)) {}
    float next() override {
        const float v = values_.front();
        values_.pop_front();
        return v;
    }

  private:
    std::deque<float> values_;
};

// A state whose sound folder holds the given sound list, read in.
struct Listed {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();

    explicit Listed(const QString& list, const QString& folderName = QStringLiteral("音フォルダ")) {
        g->OtoFolder = dir.path() + QLatin1Char('/') + folderName + QLatin1Char('/');
        test::writeCp932(g->OtoFolder + QStringLiteral("新音ファイル.txt"), list);
        音ファイル読込(*g);
    }
    QString command(const QString& file) const { return playAndWaitCommand(g->OtoFolder + file); }
};

using Cue = void (SoundCues::*)();

QString names(int first, int last, const QString& stem) {
    QString s;
    for (int i = first; i <= last; ++i) s += stem + QString::number(i) + QLatin1Char('\n');
    return s;
}
QStringList nameList(int first, int last, const QString& stem) {
    QStringList l;
    for (int i = first; i <= last; ++i) l << stem + QString::number(i);
    return l;
}

ProgramExit exitOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgramExit& e) {
        return e;
    }
    ADD_FAILURE() << "the program did not end";
    return ProgramExit(QString(), QString());
}

}  // namespace

TEST(SoundList, EveryRuleOfTheSectionsFillsTheTable) {
    struct Column {
        QStringList rows;  // rows 1.. (the rest stay empty)
        QString count;     // row 21
    };
    struct Case {
        const char* what;
        QString file;
        std::map<int, Column> columns;  // columns not named stay wholly empty
    };
    const Case cases[] = {
        {"two cues, one value a line",
         QStringLiteral("正解音2\npinpon1\npinpon2\n*\n間違い音2\nbubu1\n*\n"),
         {{2, {{QStringLiteral("pinpon1"), QStringLiteral("pinpon2")}, QStringLiteral("2")}},
          {4, {{QStringLiteral("bubu1")}, QStringLiteral("1")}}}},
        {"sections in any order, commas, quotes around names with blanks",
         QStringLiteral("\"不合格音1\",\"ざん ねん\",\"*\"\n正解音1,a,*\n"),
         {{10, {{QStringLiteral("ざん ねん")}, QStringLiteral("1")}},
          {1, {{QStringLiteral("a")}, QStringLiteral("1")}}}},
        {"values outside sections, and names that only look like cues, are skipped",
         QStringLiteral("はじめに,3,*\n正解音2,x,*\nおわり,正解音 2,正解音3,*\n"),
         {{2, {{QStringLiteral("x")}, QStringLiteral("1")}}}},
        {"a star right after the name gives the count 0",
         QStringLiteral("自己最高音2\n*\n"),
         {{8, {{}, QStringLiteral("0")}}}},
        {"a repeated section overwrites name by name and sets its own count",
         QStringLiteral("正解音2,a,b,c,*,間違い音2,z,*,正解音2,x,*\n"),
         {{2, {{QStringLiteral("x"), QStringLiteral("b"), QStringLiteral("c")}, QStringLiteral("1")}},
          {4, {{QStringLiteral("z")}, QStringLiteral("1")}}}},
        {"twenty names leave the count alone; the star after them is skipped",
         QStringLiteral("正解音2\n") + names(1, 20, QStringLiteral("n")) +
             QStringLiteral("*\n間違い音2,z,*\n"),
         {{2, {nameList(1, 20, QStringLiteral("n")), QString()}},
          {4, {{QStringLiteral("z")}, QStringLiteral("1")}}}},
        {"twenty names keep the count of an earlier section",
         QStringLiteral("正解音2,a,b,*\n正解音2\n") + names(1, 20, QStringLiteral("m")) +
             QStringLiteral("*\n"),
         {{2, {nameList(1, 20, QStringLiteral("m")), QStringLiteral("2")}}}},
        {"nineteen names and a star",
         QStringLiteral("最高音1\n") + names(1, 19, QStringLiteral("k")) + QStringLiteral("*\n"),
         {{5, {nameList(1, 19, QStringLiteral("k")), QStringLiteral("19")}}}},
        {"a cue name inside a section is a file name, not a new section",
         QStringLiteral("正解音2,間違い音2,*\n"),
         {{2, {{QStringLiteral("間違い音2")}, QStringLiteral("1")}}}},
        {"empty values are names too",
         QStringLiteral("正解音2,,b,*\n"),
         {{2, {{QString(), QStringLiteral("b")}, QStringLiteral("2")}}}},
        {"an empty file", QString(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Listed l(c.file);
        for (int col = 1; col <= kSoundCueCount; ++col) {
            EXPECT_EQ(l.g->OtoList(col, 0), soundCueName(col));
            const auto it = c.columns.find(col);
            const Column expected = it == c.columns.end() ? Column{} : it->second;
            for (int row = 1; row <= 20; ++row) {
                const QString want = row <= expected.rows.size() ? expected.rows[row - 1] : QString();
                EXPECT_EQ(l.g->OtoList(col, row), want) << "column " << col << " row " << row;
            }
            EXPECT_EQ(l.g->OtoList(col, kCueCountRow), expected.count) << "column " << col;
        }
        EXPECT_TRUE(l.g->OtoList(0, 0).isEmpty());
    }
}

TEST(SoundList, AMissingFileOrASectionCutOffByTheEndIsAnErrorNamingTheFile) {
    {
        auto g = std::make_unique<hensuu1>();
        QTemporaryDir dir;
        g->OtoFolder = dir.path() + QStringLiteral("/無い/");
        try {
            音ファイル読込(*g);
            ADD_FAILURE() << "no error";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), ProgramError::FileNotFound);
            EXPECT_TRUE(e.description().contains(g->OtoFolder + QStringLiteral("新音ファイル.txt")));
        }
    }
    for (const QString& cut : {QStringLiteral("正解音2,a\n"), QStringLiteral("x\n正解音2\n")}) {
        try {
            Listed l(cut);
            ADD_FAILURE() << "no error for " << cut.toStdString();
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), ProgramError::InputPastEnd);
            EXPECT_TRUE(e.description().contains(QStringLiteral("新音ファイル.txt")))
                << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QStringLiteral("正解音2"))) << e.description().toStdString();
        }
    }
}

TEST(SoundList, StartUpReadsItFromTheSoundFolderAndCannotGoOnWithoutIt) {
    test::Classroom room;
    auto g = std::make_unique<hensuu1>();
    設定読込(*g, room.programFolder());
    EXPECT_TRUE(g->OtoFolder.endsWith(QStringLiteral("/音フォルダ/")));
    EXPECT_EQ(g->OtoList(2, 1), QStringLiteral("pinpon1"));
    EXPECT_EQ(g->OtoList(4, kCueCountRow), QStringLiteral("1"));

    QFile::remove(room.soundFolder() + QStringLiteral("/新音ファイル.txt"));
    auto h = std::make_unique<hensuu1>();
    try {
        設定読込(*h, room.programFolder());
        ADD_FAILURE() << "start-up went on without the sound list";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), ProgramError::FileNotFound);
        EXPECT_TRUE(e.description().contains(QStringLiteral("音フォルダ/新音ファイル.txt")));
    }
}

TEST(SoundCue, EachCuePlaysItsOwnColumnAndASingleFileEveryTime) {
    QString list;
    for (int c = 1; c <= kSoundCueCount; ++c) list += soundCueName(c) + QStringLiteral(",c%1,*\n").arg(c);
    Listed l(list);
    // Each cue starts with three failed answer cues behind it: a played answer cue is a success
    // and starts the count again, the other cues leave it as it was.
    const struct {
        Cue cue;
        QString file;
        int failuresAfter;
    } cues[] = {{&SoundCues::正解音再生, QStringLiteral("c2.wav"), 0},
                {&SoundCues::間違い音再生, QStringLiteral("c4.wav"), 0},
                {&SoundCues::自己最高音再生, QStringLiteral("c8.wav"), SoundCues::kSilentFailures},
                {&SoundCues::不合格音再生, QStringLiteral("c10.wav"), SoundCues::kSilentFailures},
                {&SoundCues::最高音再生, QStringLiteral("最高1.wav"), SoundCues::kSilentFailures},
                {&SoundCues::合格音再生, QStringLiteral("合格.wav"), SoundCues::kSilentFailures}};
    for (const auto& c : cues) {
        ScriptedMediaCommands media;
        MersenneRandom random(7);
        SoundCues sounds(*l.g, media, random);
        l.g->OtoErrorCount = SoundCues::kSilentFailures;
        for (int i = 0; i < 50; ++i) (sounds.*c.cue)();
        ASSERT_EQ(media.commands.size(), 50u);
        for (const QString& sent : media.commands) EXPECT_EQ(sent, l.command(c.file));
        EXPECT_EQ(l.g->OtoCommand, l.command(c.file));
        EXPECT_EQ(l.g->OtoErrorCount, c.failuresAfter) << c.file.toStdString();
    }
}

TEST(SoundCue, TheDrawIsTheWholePartOfRTimesCountPlusOne) {
    Listed l(QStringLiteral("正解音2,a,b,*\n間違い音2,x,y,z,*\n"));
    ScriptedMediaCommands media;
    FixedRandom random({0.0f, 0.4999f, 0.5f, 0.99999994f, 0.0f, 0.3333f, 0.3334f, 0.6667f, 0.99999994f});
    SoundCues sounds(*l.g, media, random);
    for (int i = 0; i < 4; ++i) sounds.正解音再生();
    for (int i = 0; i < 5; ++i) sounds.間違い音再生();
    const QString want[] = {QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("b"),
                            QStringLiteral("b"), QStringLiteral("x"), QStringLiteral("x"),
                            QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("z")};
    ASSERT_EQ(media.commands.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i)
        EXPECT_EQ(media.commands[i], l.command(want[i] + QStringLiteral(".wav"))) << i;
}

TEST(SoundCue, TwoFilesAreDrawnAboutEquallyOften) {
    Listed l(QStringLiteral("自己最高音2,fanfare1,fanfare2,*\n"));
    ScriptedMediaCommands media;
    MersenneRandom random(2024);
    SoundCues sounds(*l.g, media, random);
    constexpr int kPlays = 4000;
    for (int i = 0; i < kPlays; ++i) sounds.自己最高音再生();
    int first = 0, second = 0;
    for (const QString& c : media.commands) {
        if (c == l.command(QStringLiteral("fanfare1.wav"))) ++first;
        if (c == l.command(QStringLiteral("fanfare2.wav"))) ++second;
    }
    EXPECT_EQ(first + second, kPlays);
    EXPECT_GT(first, kPlays * 45 / 100);
    EXPECT_GT(second, kPlays * 45 / 100);
}

TEST(SoundCue, ACountOfZeroNamesDotWavAndAMissingSectionSendsNothing) {
    Listed l(QStringLiteral("正解音2,*\n"));
    ScriptedMediaCommands media;
    media.results = {MediaFileNotFound};
    MersenneRandom random(1);
    SoundCues sounds(*l.g, media, random);
    sounds.正解音再生();
    ASSERT_EQ(media.commands.size(), 1u);
    EXPECT_EQ(media.commands[0], l.command(QStringLiteral(".wav")));
    EXPECT_EQ(l.g->OtoErrorCount, 1);  // a count of 0 is a failure like any other

    l.g->OtoCommand = QStringLiteral("before");
    sounds.間違い音再生();
    sounds.自己最高音再生();
    sounds.不合格音再生();
    EXPECT_EQ(media.commands.size(), 1u);
    EXPECT_EQ(l.g->OtoCommand, QStringLiteral("before"));
    EXPECT_EQ(l.g->OtoErrorCount, 1);  // nothing tried: neither a failure nor a success
}

TEST(SoundCue, TheFolderIsQuotedSoThatABlankCannotSplitIt) {
    Listed l(QStringLiteral("正解音2,pinpon1,*\n"), QStringLiteral("音 フォルダ"));
    ScriptedMediaCommands media;
    MersenneRandom random(3);
    SoundCues sounds(*l.g, media, random);
    sounds.正解音再生();
    sounds.合格音再生();
    const QString file = l.g->OtoFolder + QStringLiteral("pinpon1.wav");
    ASSERT_EQ(media.commands.size(), 2u);
    EXPECT_EQ(media.commands[0], QStringLiteral("play \"%1\" wait").arg(file));
    EXPECT_EQ(parseMediaCommand(media.commands[0]).path, file);
    EXPECT_EQ(parseMediaCommand(media.commands[1]).path, l.g->OtoFolder + QStringLiteral("合格.wav"));
    // The same command without the quotes does not name the file.
    EXPECT_EQ(parseMediaCommand(QStringLiteral("play %1 wait").arg(file)).result, MediaBadCommand);
}

TEST(SoundFailure, ThreeFailuresInARowPassSilentlyAndTheFourthEndsTheProgram) {
    Listed l(QStringLiteral("正解音2,ok,*\n間違い音2,ng,*\n"));
    ScriptedMediaCommands media;
    media.results = {MediaNoOutputDevice, MediaNoOutputDevice, MediaNoOutputDevice, MediaOutputFailed};
    MersenneRandom random(5);
    SoundCues sounds(*l.g, media, random);
    sounds.正解音再生();
    sounds.間違い音再生();
    sounds.正解音再生();
    EXPECT_EQ(l.g->OtoErrorCount, 3);
    const ProgramExit e = exitOf([&] { sounds.間違い音再生(); });
    EXPECT_EQ(e.title(), QStringLiteral("音声エラー"));
    EXPECT_EQ(e.text(),
              QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + mediaResultText(MediaOutputFailed));
    EXPECT_NE(e.exitCode(), 0);
}

TEST(SoundFailure, ASuccessOfEitherAnswerCueResetsTheCountButOtherCuesDoNot) {
    Listed l(QStringLiteral("正解音2,ok,*\n間違い音2,ng,*\n自己最高音2,best,*\n不合格音1,fail,*\n"));
    ScriptedMediaCommands media;
    const int F = MediaFileNotFound, S = MediaOk;
    // Four answer cues (the fourth succeeds), three answer cues, four other cues, one answer cue.
    media.results = {F, F, F, S, F, F, F, S, S, F, F, F};
    MersenneRandom random(9);
    SoundCues sounds(*l.g, media, random);
    sounds.間違い音再生();
    sounds.正解音再生();
    sounds.間違い音再生();
    sounds.正解音再生();  // success: the count starts again
    EXPECT_EQ(l.g->OtoErrorCount, 0);
    sounds.正解音再生();
    sounds.間違い音再生();
    sounds.間違い音再生();
    EXPECT_EQ(l.g->OtoErrorCount, 3);
    sounds.自己最高音再生();  // succeeds
    sounds.最高音再生();      // succeeds
    sounds.合格音再生();      // fails
    sounds.不合格音再生();    // fails
    EXPECT_EQ(l.g->OtoErrorCount, 3);
    const ProgramExit e = exitOf([&] { sounds.正解音再生(); });
    EXPECT_EQ(e.title(), QStringLiteral("音声エラー"));
    EXPECT_EQ(media.commands.size(), 12u);
}

TEST(SoundFailure, AnAnswerCueWithoutASectionNeitherCountsNorResets) {
    Listed l(QStringLiteral("間違い音2,ng,*\n"));
    ScriptedMediaCommands media;
    media.results = {MediaNotWave, MediaNotWave, MediaNotWave, MediaNotWave};
    MersenneRandom random(11);
    SoundCues sounds(*l.g, media, random);
    for (int i = 0; i < 3; ++i) sounds.間違い音再生();
    for (int i = 0; i < 5; ++i) sounds.正解音再生();  // no section: nothing is sent
    EXPECT_EQ(media.commands.size(), 3u);
    EXPECT_EQ(l.g->OtoErrorCount, 3);
    const ProgramExit e = exitOf([&] { sounds.間違い音再生(); });
    EXPECT_TRUE(e.text().endsWith(mediaResultText(MediaNotWave)));
}

TEST(DemoClassroom, TheSoundsAreExactlyWhatTheToolMakes) {
    QTemporaryDir out;
    QProcess tool;
    tool.start(QStringLiteral(PEKURU_MAKE_SOUNDS), {out.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QDir sample(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample/教室/音フォルダ"));
    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(sample.entryList(QDir::Files, QDir::Name), made);
    for (const QString& name : made) {
        EXPECT_EQ(test::readBytes(sample.filePath(name)), test::readBytes(out.filePath(name)))
            << name.toStdString() << " differs: run pekuru-make-sounds data/sample/教室/音フォルダ";
    }
}
