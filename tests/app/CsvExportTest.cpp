// The teacher's CSV export: the bytes written for a few records, the messages of its failures, and
// one run of the real program in export mode without a display.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "app/CsvExport.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/ErrorOf.h"
#include "support/ShortReads.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

SeisekiRec rec(QDate day, int seconds, int student, int level, std::int32_t time) {
    SeisekiRec r;
    r.hiduke = dateValue(day);
    r.jikoku = timeOfDayValue(seconds);
    r.bangou = std::int16_t(student);
    r.level = std::int16_t(level);
    r.time = time;
    return r;
}

QByteArray recordBytes(const std::vector<SeisekiRec>& records) {
    QByteArray bytes;
    for (const SeisekiRec& r : records) bytes += encode(r);
    return bytes;
}

QString sharedFile(const test::Classroom& c) { return c.programFile(QStringLiteral("成績累積データ.dat")); }

// Waits that return at once, counted.
struct CountedWaits : Waiter {
    std::vector<double> waits;
    void wait(double seconds) override { waits.push_back(seconds); }
};

// Runs the export into a string, as the command does.
struct ExportRun {
    int status = -1;
    QByteArray out, err;
};
ExportRun exportTo(const QString& programFolder, const QString& output) {
    ExportRun run;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CountedWaits waiter;
    run.status = runExport(programFolder, output, out, err, waiter);
    for (auto [file, into] : {std::pair{out, &run.out}, std::pair{err, &run.err}}) {
        std::rewind(file);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            into->append(buffer, qsizetype(n));
        std::fclose(file);
    }
    return run;
}

}  // namespace

TEST(CsvExport, FieldsAreQuotedOnlyWhenNeededAndFormulasAreDefused) {
    struct Case {
        const char16_t *text, *field, *name;
    } cases[] = {
        {u"はなこ", u"はなこ", u"はなこ"},
        {u"a,b", u"\"a,b\"", u"\"a,b\""},
        {u"say \"hi\"", u"\"say \"\"hi\"\"\"", u"\"say \"\"hi\"\"\""},
        {u"two\r\nlines", u"\"two\r\nlines\"", u"\"two\r\nlines\""},
        {u"=1+2", u"=1+2", u"'=1+2"},
        {u"+81", u"+81", u"'+81"},
        {u"-5", u"-5", u"'-5"},
        {u"@SUM(A1)", u"@SUM(A1)", u"'@SUM(A1)"},
        {u"=HYPERLINK(\"x\",1)", u"\"=HYPERLINK(\"\"x\"\",1)\"", u"\"'=HYPERLINK(\"\"x\"\",1)\""},
        {u"\tx", u"\tx", u"'\tx"},
        {u"a=b", u"a=b", u"a=b"},  // only the first character makes a formula
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvField(QString::fromUtf16(c.text)), QString::fromUtf16(c.field)) << int(c.text[0]);
        EXPECT_EQ(csvNameField(QString::fromUtf16(c.text)), QString::fromUtf16(c.name)) << int(c.text[0]);
    }
}

TEST(CsvExport, BytesOfAFewRecords) {
    auto g = std::make_unique<hensuu1>();
    g->GoukakuTime[1] = 60;
    g->GoukakuTime[2] = 90;
    g->LevelPoint[1] = 1;
    g->LevelPoint[2] = 1.5;
    const QDate day(2024, 5, 10);
    const std::vector<SeisekiRec> records = {
        rec(day, 9 * 3600 + 5 * 60 + 3, 2, 1, 30),        // 11 points
        rec(day, 23 * 3600 + 59 * 60 + 59, 7, 2, 99999),  // time-over, a student not on the roster
        rec(day.addDays(1), 0, 3, 2, 45),                 // Int(((90-45)/90)^3*50+5) = 11, ×1.5 = 16
        rec(day, 10 * 3600, 0, 1, 20),                    // student 0: an empty slot, left out
        rec(day.addDays(-3), 8 * 3600, 4, 1, 120),        // 1 point
    };
    const std::map<int, QString> names = {
        {2, QStringLiteral("さとう, たろう")}, {3, QStringLiteral("=cmd")}, {4, QStringLiteral("すずき")}};
    const QByteArray expected =
        QByteArray("\xEF\xBB\xBF") + QStringLiteral(
                                         "日付,時刻,生徒番号,名前,レベル,タイム(秒),ポイント\r\n"
                                         "2024/05/10,09:05:03,2,\"さとう, たろう\",1,30,11\r\n"
                                         "2024/05/10,23:59:59,7,,2,時間切れ,0\r\n"
                                         "2024/05/11,00:00:00,3,'=cmd,2,45,16\r\n"
                                         "2024/05/07,08:00:00,4,すずき,1,120,1\r\n")
                                         .toUtf8();
    EXPECT_EQ(csvBytes(*g, records, names), expected);
}

TEST(CsvExport, TheResultFileIsReadWholeOrRefusedWithTheRecordNamed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成績累積データ.dat"));
    const QDate day(2024, 5, 10);
    QStringList notes;
    CountedWaits waiter;
    // More than the 20000 records the screens read: the export takes them all.
    std::vector<SeisekiRec> many(20005, rec(day, 3600, 1, 1, 50));
    test::writeBytes(path, recordBytes(many) + QByteArray(10, '\0'));
    EXPECT_EQ(readAllRecords(path, notes, waiter).size(), 20005u);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(QStringLiteral("最後の 10 バイト"))) << notes[0].toStdString();

    struct Case {
        SeisekiRec bad;
        const char16_t* words;
    } cases[] = {
        {rec(day, 3600, 5001, 1, 50), u"生徒番号 5001"},
        {rec(day, 3600, 2, 36, 50), u"レベル 36"},
        {rec(day, 3600, 2, 1, -4), u"タイム -4"},
        {[&] {
             SeisekiRec r = rec(day, 3600, 2, 1, 50);
             r.jikoku = 1.5;
             return r;
         }(),
         u"時刻の値 1.5"},
        {[&] {
             SeisekiRec r = rec(day, 3600, 2, 1, 50);
             r.hiduke = 1e300;
             return r;
         }(),
         u"日付の値"},
    };
    for (const Case& c : cases) {
        test::writeBytes(path, recordBytes({rec(day, 3600, 1, 1, 50), rec(day, 3600, 1, 1, 50), c.bad}));
        const ProgramError e = test::errorOf([&] { readAllRecords(path, notes, waiter); });
        EXPECT_TRUE(e.description().contains(QStringLiteral("3 番目の記録 (88 バイト目から)")))
            << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QString::fromUtf16(c.words))) << e.description().toStdString();
    }
    // A file that ends before its length said (cut short, or a share that stopped answering) is
    // refused, not exported without its newest records.
    test::writeBytes(path, recordBytes(std::vector<SeisekiRec>(3, rec(day, 3600, 1, 1, 50))));
    {
        const test::ShortReads cut(path, 100);
        const ProgramError e = test::errorOf([&] { readAllRecords(path, notes, waiter); });
        EXPECT_EQ(e.number(), ProgramError::DeviceIo);
        EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("132 バイトのはずが、100 バイトしか")))
            << e.description().toStdString();
        EXPECT_GT(cut.shortened(), 0);
    }
    EXPECT_EQ(readAllRecords(path, notes, waiter).size(), 3u);  // the same file read whole
    EXPECT_TRUE(waiter.waits.empty());

    // Another copy's append bars the reads for a while, as Windows' locks do: the export waits a
    // second at a time and then takes every record, never fewer.
    {
        const test::ShortReads locked(path, -1, 2);
        EXPECT_EQ(readAllRecords(path, notes, waiter).size(), 3u);
        EXPECT_EQ(waiter.waits, (std::vector<double>{1, 1}));
        EXPECT_EQ(locked.refused(), 2);
    }

    const ProgramError missing =
        test::errorOf([&] { readAllRecords(dir.filePath(QStringLiteral("none.dat")), notes, waiter); });
    EXPECT_EQ(missing.number(), ProgramError::FileNotFound);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.dat"))));  // never created here
}

TEST(CsvExport, FailuresSayWhatAndLeaveNoFile) {
    test::Classroom c;
    const QDate day(2024, 5, 10);
    const QString out = c.common() + QStringLiteral("/out.csv");

    // No result file yet.
    ExportRun run = exportTo(c.programFolder(), out);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("成績累積データ.dat』がありません")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    // A broken record.
    test::writeBytes(sharedFile(c), recordBytes({rec(day, 3600, 1, 1, 50), rec(day, 3600, 1, 40, 50)}));
    run = exportTo(c.programFolder(), out);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("2 番目の記録"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    // An output in a folder that is not there.
    test::writeBytes(sharedFile(c), recordBytes({rec(day, 3600, 1, 1, 50)}));
    const QString nowhere = c.common() + QStringLiteral("/no/such/folder/out.csv");
    run = exportTo(c.programFolder(), nowhere);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("書き出し先"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));

    // A program folder without settings.
    run = exportTo(c.common() + QStringLiteral("/elsewhere"), out);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("設定.txt"))) << run.err.toStdString();

    // An existing export stays whole when a new one fails.
    test::writeBytes(out, "old");
    test::writeBytes(sharedFile(c), recordBytes({rec(day, 3600, -1, 1, 50)}));
    EXPECT_EQ(exportTo(c.programFolder(), out).status, 1);
    EXPECT_EQ(test::readBytes(out), QByteArray("old"));
}

TEST(CsvExport, StandardOutputAndNamesFromTheRoster) {
    test::Classroom c;
    test::writeBytes(sharedFile(c), recordBytes({rec(QDate(2024, 5, 10), 3600, 1, 3, 150)}));
    const ExportRun run = exportTo(c.programFolder(), QStringLiteral("-"));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    // Level 3 of the classroom's table: target 150 s, factor 1.5: 5 × 1.5 = 7 points.
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("2024/05/10,01:00:00,1,はなこ,3,150,7\r\n").toUtf8()))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.startsWith("\xEF\xBB\xBF"));
}

TEST(CsvExport, TheProgramExportsWithoutADisplay) {
    test::Classroom c;
    test::writeBytes(sharedFile(c), recordBytes({rec(QDate(2024, 5, 10), 3600, 1, 1, 60),
                                                 rec(QDate(2024, 5, 11), 7200, 1, 1, 99999)}));
    const QString out = c.common() + QStringLiteral("/成績.csv");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PEKURU_PROGRAM),
                  {QStringLiteral("--folder"), c.programFolder(), QStringLiteral("--export-csv"), out});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(
        test::readBytes(out),
        QByteArray("\xEF\xBB\xBF") + QStringLiteral("日付,時刻,生徒番号,名前,レベル,タイム(秒),ポイント\r\n"
                                                    "2024/05/10,01:00:00,1,はなこ,1,60,5\r\n"
                                                    "2024/05/11,02:00:00,1,はなこ,1,時間切れ,0\r\n")
                                         .toUtf8());

    // A bad command line: a message and a non-zero status, nothing written.
    program.start(QStringLiteral(PEKURU_PROGRAM), {QStringLiteral("--export-csv")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(
        QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("書き出すファイル")));
}

TEST(CsvExport, TheOptionIsTakenOutOfTheCommandLine) {
    struct Case {
        QStringList in, rest;
        bool wanted;
        QString output;
        bool error;
    } cases[] = {
        {{"pekuru", "--export-csv", "a.csv", "--folder", "d"},
         {"pekuru", "--folder", "d"},
         true,
         "a.csv",
         false},
        {{"pekuru", "--folder", "d", "--export-csv=-"}, {"pekuru", "--folder", "d"}, true, "-", false},
        {{"pekuru", "--folder", "d"}, {"pekuru", "--folder", "d"}, false, "", false},
        {{"pekuru", "--export-csv"}, {}, false, "", true},
        {{"pekuru", "--export-csv", "--folder", "d"}, {}, false, "", true},
        {{"pekuru", "--export-csv="}, {}, false, "", true},
        {{"pekuru", "--export-csv=a", "--export-csv=b"}, {}, false, "", true},
        // Names a Windows share refuses, whichever host writes them; folders may hold anything.
        {{"pekuru", "--export-csv", "CON.csv"}, {}, false, "", true},
        {{"pekuru", "--export-csv=成績:5月.csv"}, {}, false, "", true},
        {{"pekuru", "--export-csv", "out/"}, {}, false, "", true},
        {{"pekuru", "--export-csv", "成績."}, {}, false, "", true},
        {{"pekuru", "--export-csv", "sub.d/成績 5月.csv"}, {"pekuru"}, true, "sub.d/成績 5月.csv", false},
    };
    for (const Case& c : cases) {
        QStringList args = c.in;
        const ExportRequest r = takeExportRequest(args);
        EXPECT_EQ(!r.error.isEmpty(), c.error) << c.in.join(' ').toStdString();
        if (c.error) continue;
        EXPECT_EQ(r.wanted, c.wanted) << c.in.join(' ').toStdString();
        EXPECT_EQ(r.output, c.output);
        EXPECT_EQ(args, c.rest);
    }
    QStringList device{QStringLiteral("pekuru"), QStringLiteral("--export-csv"), QStringLiteral("nul.csv")};
    const QString said = takeExportRequest(device).error;
    EXPECT_TRUE(said.contains(QStringLiteral("『nul.csv』"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("装置の名前"))) << said.toStdString();
}
