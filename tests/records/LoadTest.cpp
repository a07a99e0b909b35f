// The shared result file under load: several processes appending at once, a copy that waits for
// another's lock with its event loop running, and a copy killed in the middle of an append (the
// accounts of a classroom sharing the file: SharedFolderTest.cpp).
// These tests start real processes and so run on real time; they check order and outcome, not speed.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <map>
#include <memory>

#include "platform/ProgramError.h"
#include "platform/RecordFile.h"
#include "records/AppendHelperProcess.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/Fakes.h"

using namespace pekuru;
using namespace pekuru::test;

namespace {

// Reads lines until one starts with `prefix`; returns it, or an empty text when the process ends
// or stays silent first.
QString waitForLine(QProcess& p, const QString& prefix) {
    for (;;) {
        while (p.canReadLine()) {
            const QString line = QString::fromUtf8(p.readLine()).trimmed();
            if (line.startsWith(prefix)) return line;
        }
        if (!p.waitForReadyRead(kProcessTimeoutMs)) return QString();
    }
}

int ticksOf(const QString& line) { return line.section(QLatin1Char(' '), 1).toInt(); }

// The text and reserved fields every appended shared record carries, bytes 24..43.
const QByteArray kSharedTail =
    QByteArray("12345") + QByteArray(5, ' ') + QByteArray("0    ") + QByteArray(5, '\0');

struct Appended {
    int student;
    int level;
    int time;
};

// Checks that `bytes` is whole shared records written by the append and lists them.
std::vector<Appended> sharedRecords(const QByteArray& bytes, double today) {
    std::vector<Appended> out;
    for (qsizetype at = 0; at + kSeisekiRecLength <= bytes.size(); at += kSeisekiRecLength) {
        const SeisekiRec r = decodeSeisekiRec(bytes.constData() + at);
        EXPECT_EQ(bytes.mid(at + 24, 20), kSharedTail) << "record " << at / kSeisekiRecLength + 1;
        EXPECT_GE(r.hiduke, today - 1)
            << "record " << at / kSeisekiRecLength + 1;  // the run may pass midnight
        EXPECT_LE(r.hiduke, today);
        EXPECT_TRUE(r.jikoku >= 0 && r.jikoku < 1);
        out.push_back({r.bangou, r.level, r.time});
    }
    return out;
}

std::vector<Appended> homeRecords(const QByteArray& bytes, const QString& folderName) {
    std::vector<Appended> out;
    const QByteArray name = fixedCp932(folderName, 20);
    for (qsizetype at = 0; at + kKateiRecLength <= bytes.size(); at += kKateiRecLength) {
        const char* p = bytes.constData() + at;
        EXPECT_EQ(bytes.mid(at, 20), name) << "home record " << at / kKateiRecLength + 1;
        EXPECT_EQ(bytes.mid(at + 46, 20), QByteArray("12345") + QByteArray(15, '\0'));
        out.push_back({qFromLittleEndian<qint16>(p + 38), qFromLittleEndian<qint16>(p + 40),
                       qFromLittleEndian<qint32>(p + 42)});
    }
    return out;
}

// Each student's times in file order.
std::map<int, std::vector<int>> timesByStudent(const std::vector<Appended>& attempts) {
    std::map<int, std::vector<int>> out;
    for (const Appended& a : attempts) out[a.student].push_back(a.time);
    return out;
}

QByteArray recordsOf(int count, int student) {
    QByteArray b;
    for (int i = 1; i <= count; ++i) {
        SeisekiRec r;
        r.hiduke = dateValue(QDate(2024, 5, 9));
        r.jikoku = timeOfDayValue(36000 + i);
        r.bangou = Integer(student);
        r.level = 2;
        r.time = 40 + i;
        r.code = QStringLiteral("12345");
        b += encode(r);
    }
    return b;
}

}  // namespace

TEST(UnderLoad, EightProcessesAppendingAtOnceLoseNothingAndKeepTheirOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kProcesses = 8, kEach = 500;
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int s = 1; s <= kProcesses; ++s) {
        copies.push_back(std::make_unique<QProcess>());
        startHelper(*copies.back(),
                    {QStringLiteral("append"), dir.path(), QString::number(s), QString::number(kEach)});
    }
    for (auto& p : copies) EXPECT_TRUE(endedCleanly(*p));

    const QByteArray shared = readAll(sharedFile(dir));
    ASSERT_EQ(shared.size(), kProcesses * kEach * kSeisekiRecLength);
    const std::vector<Appended> attempts = sharedRecords(shared, dateValue(QDate::currentDate()));
    std::vector<int> expected(kEach);
    for (int i = 0; i < kEach; ++i) expected[std::size_t(i)] = i + 1;
    const auto byStudent = timesByStudent(attempts);
    ASSERT_EQ(byStudent.size(), std::size_t(kProcesses));
    for (const auto& [student, times] : byStudent) {
        EXPECT_GE(student, 1);
        EXPECT_LE(student, kProcesses);
        EXPECT_EQ(times, expected) << "student " << student;
    }
    for (const Appended& a : attempts) EXPECT_EQ(a.level, 1);

    // The home-use file had the same appends from the same processes under its own lock.
    QString folderName = dir.path().section(QLatin1Char('/'), -1) + QLatin1Char('\\');
    const QByteArray home = readAll(homeFile(dir));
    ASSERT_EQ(home.size(), kProcesses * kEach * kKateiRecLength);
    const auto homeByStudent = timesByStudent(homeRecords(home, folderName));
    ASSERT_EQ(homeByStudent.size(), std::size_t(kProcesses));
    for (const auto& [student, times] : homeByStudent) EXPECT_EQ(times, expected) << "student " << student;
}

TEST(UnderLoad, AnAppendWaitsForAnotherCopysLockWithItsEventLoopRunning) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray before = recordsOf(3, 9);
    {
        QFile f(sharedFile(dir));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }

    QProcess holder, appender;
    startHelper(holder, {QStringLiteral("hold"), dir.path(), QStringLiteral("3")});
    ASSERT_EQ(waitForLine(holder, QStringLiteral("locked")), QStringLiteral("locked"));
    QElapsedTimer wall;
    wall.start();
    startHelper(appender, {QStringLiteral("append"), dir.path(), QStringLiteral("4"), QStringLiteral("1")});

    // Just before letting go the holder reads the length: nothing was appended while it held the lock.
    EXPECT_EQ(waitForLine(holder, QStringLiteral("releasing")),
              QStringLiteral("releasing %1").arg(before.size()));
    EXPECT_TRUE(endedCleanly(holder));
    const QString ticks = waitForLine(appender, QStringLiteral("ticks"));
    EXPECT_TRUE(endedCleanly(appender));
    EXPECT_GE(wall.elapsed(), 2000);                       // it waited for most of the hold
    EXPECT_GE(ticksOf(ticks), 10) << ticks.toStdString();  // its timer kept firing while it waited

    const QByteArray after = readAll(sharedFile(dir));
    ASSERT_EQ(after.size(), 4 * kSeisekiRecLength);
    EXPECT_EQ(after.left(before.size()), before);
    const SeisekiRec added = decodeSeisekiRec(after.constData() + before.size());
    EXPECT_EQ(added.bangou, 4);
    EXPECT_EQ(added.level, 1);
    EXPECT_EQ(added.time, 1);
    EXPECT_EQ(after.mid(before.size() + 24, 20), kSharedTail);
}

TEST(UnderLoad, ACopyKilledInTheMiddleOfAnAppendLeavesALoadableFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kWhole = 5;
    const QByteArray before = recordsOf(kWhole, 9);
    {
        QFile f(sharedFile(dir));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }

    QProcess tearing;
    startHelper(tearing, {QStringLiteral("tear"), dir.path()});
    ASSERT_EQ(waitForLine(tearing, QStringLiteral("torn")), QStringLiteral("torn"));
    tearing.kill();
    ASSERT_TRUE(tearing.waitForFinished(kProcessTimeoutMs));
    ASSERT_EQ(readAll(sharedFile(dir)).size(), kWhole * kSeisekiRecLength + 20);

    // The loader reads the whole records and leaves the torn one out; the dead copy's lock is gone.
    auto g = std::make_unique<hensuu1>();
    g->DataFolder = g->KyoutuuFolder = dir.path() + QLatin1Char('/');
    for (int l = 1; l <= 3; ++l) {
        g->GoukakuTime[l] = 60;
        g->LevelPoint[l] = 1;
        g->LevelValue8[l] = Variant::number(7);
        g->LevelValue9[l] = Variant::number(1);
    }
    FakeClock clock(QDate(2024, 5, 10));
    test::NoWait waiter;
    Results results(*g, clock, waiter);
    ASSERT_NO_THROW(results.回数求());
    EXPECT_EQ(g->RecordSuu, kWhole);
    EXPECT_EQ(g->RuikeiKaisuu(9, 2), kWhole);
    EXPECT_EQ(g->RuikeiKaisuu(7, 2), 0);  // the torn record's student
    EXPECT_EQ(g->JikoBest(9, 2), 41);
    EXPECT_EQ(waiter.calls, 0);

    // The next append overwrites the torn bytes: it lands right after the last whole record.
    QProcess next;
    startHelper(next, {QStringLiteral("append"), dir.path(), QStringLiteral("6"), QStringLiteral("1")});
    ASSERT_TRUE(endedCleanly(next));
    const QByteArray after = readAll(sharedFile(dir));
    ASSERT_EQ(after.size(), (kWhole + 1) * kSeisekiRecLength);
    EXPECT_EQ(after.left(before.size()), before);
    const SeisekiRec added = decodeSeisekiRec(after.constData() + before.size());
    EXPECT_EQ(added.bangou, 6);
    EXPECT_EQ(added.level, 1);
    EXPECT_EQ(added.time, 1);
    EXPECT_LE(added.hiduke, dateValue(QDate::currentDate()));
    EXPECT_GE(added.hiduke, dateValue(QDate::currentDate()) - 1);  // the run may pass midnight
    EXPECT_EQ(after.mid(before.size() + 24, 20), kSharedTail);

    ASSERT_NO_THROW(results.回数求());
    EXPECT_EQ(g->RecordSuu, kWhole + 1);
    EXPECT_EQ(g->RuikeiKaisuu(6, 1), 1);
}
