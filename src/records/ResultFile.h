#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "platform/RecordFile.h"
#include "platform/Waiter.h"

namespace pekuru {

// A result file of fixed-size records that every copy of the program in a classroom shares: the
// shared 成績累積データ.dat and the home-use 成績累積データ家庭用.dat. This is the only code that
// opens them. Appends run under the file's exclusive lock; reads take the newest whole records or
// all of them. Failures come back with the host's words and the step that failed; each caller says
// them in its own message.
class ResultFile {
  public:
    ResultFile(QString path, int recordLength) : path_(std::move(path)), recordLength_(recordLength) {}
    const QString& path() const { return path_; }

    enum class Step { Open, Lock, Length, Read, Write };
    struct Outcome {
        RecordFile::Status status = RecordFile::Status::Ok;  // NotFound: the file's folder is not there
        Step failedAt = Step::Open;
        QString error;  // the host's words ("Permission denied", or how short a read came back)
        int errorNumber = 0;
        bool readOnly = false;  // an append found the file readable only, for this account
        bool ok() const { return status == RecordFile::Status::Ok; }
        // "Permission denied (13)"
        QString hostError() const { return QStringLiteral("%1 (%2)").arg(error).arg(errorNumber); }
    };
    struct Reading : Outcome {
        QByteArray bytes;          // whole records only, oldest first
        std::int64_t first = 1;    // the number in the file (from 1) of the first record read
        std::int64_t records = 0;  // how many were asked for: every whole record there, up to the count
        std::int64_t length = 0;   // the file's length in bytes when it was read
    };

    // The newest `count` whole records, or all of them when `count` is negative. A missing file is
    // made (empty), as the program's first look at its records makes it; with `create` false it is
    // NotFound instead. A read that ends before the file's length is a failure, never fewer records.
    // Where another copy's lock bars reads while it appends (Windows), waits one second through
    // `waiter` (the screens stay responsive) and reads again, the newest records as they are then.
    Reading newest(std::int64_t count, Waiter& waiter, bool create = true) const;

    // Appends `record` just after the last whole record (over a torn one that a crashed copy left),
    // under the lock; while another copy holds the lock, waits one second through `waiter` (the
    // screens stay responsive) and tries again. The record is on disk before the lock is given up.
    Outcome append(const QByteArray& record, Waiter& waiter) const;

  private:
    QString path_;
    int recordLength_;
};

// The one rule for records that the program passes over (their slot is freed for the next record):
// a negative date, student 0 or level 0.
inline bool skippedByTheProgram(double hiduke, int bangou, int level) {
    return hiduke < 0 || bangou == 0 || level == 0;
}

}  // namespace pekuru
