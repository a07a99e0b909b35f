// The part of RecordFile that is the same on every host: the whole-or-nothing read and the seam
// that the tests make a file fail through. The host's calls are in RecordFilePosix.cpp and
// RecordFileWindows.cpp.
#include <QFileInfo>
#include <algorithm>
#include <atomic>

#include "platform/RecordFile.h"

namespace pekuru {

namespace {

// The seam's state. Set by a test between reads, read by the file that it names: no reads run
// while it changes.
struct InjectedFaults {
    QString file;  // canonical path
    RecordFile::ReadFaults faults;
    int busyLeft = 0;
    int shortened = 0;
    int refused = 0;
};
std::atomic<bool> faultsArmed{false};

InjectedFaults& injected() {
    static InjectedFaults f;
    return f;
}

}  // namespace

RecordFile::~RecordFile() { close(); }

void RecordFile::injectReadFaultsForTesting(const QString& path, ReadFaults faults) {
    InjectedFaults& f = injected();
    f = InjectedFaults{};
    if (path.isEmpty()) {
        faultsArmed = false;
        return;
    }
    f.file = QFileInfo(path).canonicalFilePath();
    f.faults = faults;
    f.busyLeft = faults.busyReads;
    faultsArmed = !f.file.isEmpty();
}

int RecordFile::shortenedReadsForTesting() { return injected().shortened; }
int RecordFile::refusedReadsForTesting() { return injected().refused; }

RecordFile::Status RecordFile::open(const QString& path, bool create) {
    close();
    const Status s = openOnHost(path, create);
    faulted_ = s == Status::Ok && faultsArmed && QFileInfo(path).canonicalFilePath() == injected().file;
    return s;
}

RecordFile::Status RecordFile::readAt(std::int64_t offset, std::int64_t count, QByteArray& out) {
    out.clear();
    if (count <= 0) return Status::Ok;
    std::int64_t end = offset + count;
    if (faulted_) {
        InjectedFaults& f = injected();
        if (f.busyLeft > 0) {
            --f.busyLeft;
            ++f.refused;
            return fail(lockedReadError());  // Busy, in the host's own words
        }
        if (f.faults.end >= 0 && f.faults.end < end) {
            end = std::max(offset, f.faults.end);
            ++f.shortened;
        }
    }
    out.resize(qsizetype(count));
    std::int64_t done = 0;
    while (offset + done < end) {
        Status failure = Status::Failed;
        const std::int64_t n = readSome(offset + done, out.data() + done, end - offset - done, failure);
        if (n < 0) {
            out.truncate(qsizetype(done));
            return failure;
        }
        if (n == 0) break;
        done += n;
    }
    if (done < count) {
        // The file ended before the length it gave a moment ago: it was cut short, or a network
        // share gave up in the middle. What came back is not the file.
        errno_ = shortReadError();
        error_ = QStringLiteral("%1 バイト目から %2 バイトを読むはずが、%3 バイトしか読めませんでした")
                     .arg(offset)
                     .arg(count)
                     .arg(done);
        out.truncate(qsizetype(done));
        return Status::Failed;
    }
    return Status::Ok;
}

}  // namespace pekuru
