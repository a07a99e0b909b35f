// Reads of the shared result file while another copy appends. Windows' locks are mandatory: there a
// read that meets another copy's lock is refused until the append is done. Every reader then waits
// a second at a time, as the append does, and reads again: never an error, never fewer records.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <vector>

#include "platform/RecordFile.h"
#include "platform/Waiter.h"
#include "records/Ranking.h"
#include "records/RecordFormat.h"
#include "records/ResultFile.h"
#include "support/ShortReads.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

constexpr int kProcessTimeoutMs = 180000;

// Waits that return at once, written down.
struct CountedWaits : Waiter {
    std::vector<double> waits;
    void wait(double seconds) override { waits.push_back(seconds); }
};

// Waits that really wait, for a read that races a real process.
struct SleepingWaits : Waiter {
    int calls = 0;
    void wait(double seconds) override {
        ++calls;
        QThread::msleep(static_cast<unsigned long>(seconds * 1000));
    }
};

QByteArray records(int count) {
    QByteArray b;
    for (int i = 1; i <= count; ++i) {
        SeisekiRec r;
        r.hiduke = dateValue(QDate(2024, 5, 9));
        r.jikoku = timeOfDayValue(36000 + i);
        r.bangou = std::int16_t(i % 7 + 1);
        r.level = 2;
        r.time = 40 + i;
        r.code = QStringLiteral("12345");
        b += encode(r);
    }
    return b;
}

}  // namespace

TEST(LockedReads, EveryReaderWaitsASecondAtATimeThenGetsEveryRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成績累積データ.dat"));
    const QByteArray file = records(5);
    test::writeBytes(path, file);
    struct Case {
        const char* what;
        std::int64_t count;
        int busyReads;
        QByteArray expected;
    };
    const Case cases[] = {
        {"all records, read at once", -1, 0, file},
        {"all records, after one refused read", -1, 1, file},
        {"the newest two, after three refused reads", 2, 3, file.right(2 * kSeisekiRecLength)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CountedWaits waiter;
        const test::ShortReads locked(path, -1, c.busyReads);
        const ResultFile::Reading r = ResultFile(path, kSeisekiRecLength).newest(c.count, waiter);
        ASSERT_TRUE(r.ok()) << r.hostError().toStdString();
        EXPECT_EQ(r.bytes, c.expected);
        EXPECT_EQ(r.records, c.expected.size() / kSeisekiRecLength);
        EXPECT_EQ(r.length, file.size());
        EXPECT_EQ(waiter.waits, std::vector<double>(std::size_t(c.busyReads), 1.0));
        EXPECT_EQ(locked.refused(), c.busyReads);
    }
    // The hub's lists read through the same road.
    CountedWaits waiter;
    const test::ShortReads locked(path, -1, 2);
    EXPECT_EQ(readNewestRecords(path, 1000, waiter).size(), 5u);
    EXPECT_EQ(waiter.waits, (std::vector<double>{1, 1}));
}

// A read that waited reads the file as it is afterwards: the record the other copy appended in
// the meantime is among the newest.
TEST(LockedReads, AReadAfterAWaitSeesTheRecordAppendedMeanwhile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成績累積データ.dat"));
    test::writeBytes(path, records(3));
    struct AppendingWaits : Waiter {
        QString path;
        int calls = 0;
        void wait(double) override {
            ++calls;
            QFile f(path);
            if (f.open(QIODevice::Append)) f.write(records(4).right(kSeisekiRecLength));
        }
    } waiter;
    waiter.path = path;
    const test::ShortReads locked(path, -1, 1);
    const ResultFile::Reading r = ResultFile(path, kSeisekiRecLength).newest(2, waiter);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(waiter.calls, 1);
    EXPECT_EQ(r.first, 3);
    EXPECT_EQ(r.bytes, records(4).right(2 * kSeisekiRecLength));
}

// Another process, a copy of the program's append, holds the lock while this one reads. Where
// locks bar reads (Windows) the read waits for it; everywhere the read is whole.
TEST(LockedReads, AReadWhileAnotherProcessHoldsTheLockIsWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成績累積データ.dat"));
    const QByteArray file = records(40);
    test::writeBytes(path, file);

    QProcess holder;
    holder.setProcessChannelMode(QProcess::SeparateChannels);
    holder.start(QStringLiteral(PEKURU_APPEND_HELPER),
                 {QStringLiteral("hold"), dir.path(), QStringLiteral("2")});
    ASSERT_TRUE(holder.waitForStarted(kProcessTimeoutMs));
    ASSERT_TRUE(holder.waitForReadyRead(kProcessTimeoutMs));
    ASSERT_EQ(QString::fromUtf8(holder.readLine()).trimmed(), QStringLiteral("locked"));

    // The lock is the one this program's appends take, on every host.
    RecordFile mine;
    ASSERT_EQ(mine.open(path), RecordFile::Status::Ok);
    EXPECT_EQ(mine.tryLock(), RecordFile::Status::Busy);

    SleepingWaits waiter;
    const ResultFile::Reading r = ResultFile(path, kSeisekiRecLength).newest(-1, waiter);
    ASSERT_TRUE(r.ok()) << r.hostError().toStdString();
    EXPECT_EQ(r.bytes, file);
    EXPECT_EQ(r.records, 40);
    if (!RecordFile::locksBarReads()) {
        EXPECT_EQ(waiter.calls, 0);  // POSIX locks leave reads alone
    }

    ASSERT_TRUE(holder.waitForFinished(kProcessTimeoutMs));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_EQ(mine.tryLock(), RecordFile::Status::Ok);
    EXPECT_EQ(mine.unlock(), RecordFile::Status::Ok);
}
