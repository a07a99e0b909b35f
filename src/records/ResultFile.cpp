#include "records/ResultFile.h"

namespace pekuru {

namespace {

template <typename T>
T failure(const RecordFile& file, RecordFile::Status status, ResultFile::Step step, T outcome = {}) {
    outcome.status = status == RecordFile::Status::Ok ? RecordFile::Status::Failed : status;
    outcome.failedAt = step;
    outcome.error = file.errorText();
    outcome.errorNumber = file.errorNumber();
    return outcome;
}

}  // namespace

ResultFile::Reading ResultFile::newest(std::int64_t count, Waiter& waiter, bool create) const {
    RecordFile file;
    const RecordFile::Status opened = file.open(path_, create);
    if (opened != RecordFile::Status::Ok) return failure<Reading>(file, opened, Step::Open);
    for (;;) {
        Reading reading;
        reading.length = file.length();
        if (reading.length < 0) return failure<Reading>(file, RecordFile::Status::Failed, Step::Length);
        const std::int64_t n = reading.length / recordLength_;
        reading.first = count >= 0 && n > count ? n - count + 1 : 1;
        reading.records = n - reading.first + 1;
        const RecordFile::Status read =
            file.readAt((reading.first - 1) * recordLength_, reading.records * recordLength_, reading.bytes);
        if (read == RecordFile::Status::Busy) {
            waiter.wait(1.0);  // another copy is appending; its record belongs to the newest
            continue;
        }
        if (read != RecordFile::Status::Ok) return failure(file, read, Step::Read, std::move(reading));
        return reading;
    }
}

ResultFile::Outcome ResultFile::append(const QByteArray& record, Waiter& waiter) const {
    RecordFile file;
    const RecordFile::Status opened = file.open(path_);
    if (opened != RecordFile::Status::Ok) return failure<Outcome>(file, opened, Step::Open);
    if (!file.isWritable()) {
        Outcome outcome = failure<Outcome>(file, RecordFile::Status::Failed, Step::Open);
        outcome.readOnly = true;
        return outcome;
    }
    for (;;) {
        const RecordFile::Status locked = file.tryLock();
        if (locked == RecordFile::Status::Ok) break;
        if (locked != RecordFile::Status::Busy) return failure<Outcome>(file, locked, Step::Lock);
        waiter.wait(1.0);  // another copy is appending
    }
    const std::int64_t length = file.length();
    if (length < 0) return failure<Outcome>(file, RecordFile::Status::Failed, Step::Length);
    const std::int64_t offset = (length / recordLength_) * recordLength_;
    const RecordFile::Status written = file.writeAt(offset, record);
    if (written != RecordFile::Status::Ok) return failure<Outcome>(file, written, Step::Write);
    file.unlock();
    return {};
}

}  // namespace pekuru
