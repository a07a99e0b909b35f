#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pekuru {

// A file of fixed-size records shared by several copies of the program, possibly on several
// computers over a network share. Appends run under an exclusive lock on the whole file: a POSIX
// record lock (fcntl) on Linux, which NFS and SMB mounts honour; LockFileEx on Windows, over the
// range that Samba (and Wine) map to that same fcntl lock, so that a Linux copy and a Windows copy
// on one share exclude each other. Reads take no lock. Windows locks are mandatory, though: there a
// read that meets another copy's lock is refused, and readAt says Busy.
class RecordFile {
  public:
    enum class Status { Ok, Busy, NotFound, Failed };

    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, creating the file when it is missing, as readable and
    // writable as its folder is (the classroom's accounts share it). A file this account may only
    // read is opened for reading (isWritable() false, errorText() says why). NotFound when its
    // folder cannot be reached, or, with `create` false, when the file is not there.
    Status open(const QString& path, bool create = true);
    bool isWritable() const { return writable_; }
    // Takes the exclusive lock without waiting: Busy while another process holds it.
    Status tryLock();
    Status unlock();
    // Length in bytes, read afresh (after the lock, so another copy's append is seen).
    std::int64_t length();
    // Writes `bytes` at `offset` whole and makes it durable before the lock is given up.
    Status writeAt(std::int64_t offset, const QByteArray& bytes);
    // Reads `count` bytes from `offset` into `out`, all of them or not Ok: a file that ends sooner
    // (cut short, or a share that stopped answering) is Failed, never a shorter read. Busy while
    // another copy holds the lock on a host whose locks bar reads (Windows): wait and read again.
    Status readAt(std::int64_t offset, std::int64_t count, QByteArray& out);
    void close();

    bool isOpen() const { return handle_ != kNoHandle; }
    // The last failure in words, from the host ("Permission denied", "アクセスが拒否されました。", …).
    const QString& errorText() const { return error_; }
    // The host's number for it: errno on POSIX, GetLastError() on Windows.
    int errorNumber() const { return errno_; }

    // True on a host where another copy's lock makes a read fail (readAt can be Busy).
    static bool locksBarReads();

    // A seam for the tests of what the readers make of a failing file, the same on every host.
    // Reads of the file at `path` (which must exist) stop at byte `end`, as if the file had been
    // cut short after its length was asked (a negative `end` leaves them whole); and the first
    // `busyReads` reads of it meet a lock, as another copy's append makes them on Windows. One
    // file at a time; an empty path ends it. The counts say how many reads were affected since.
    struct ReadFaults {
        std::int64_t end = -1;
        int busyReads = 0;
    };
    static void injectReadFaultsForTesting(const QString& path, ReadFaults faults);
    static int shortenedReadsForTesting();
    static int refusedReadsForTesting();

  private:
    static constexpr std::intptr_t kNoHandle = -1;  // also Windows' INVALID_HANDLE_VALUE

    // The host's part (RecordFilePosix.cpp, RecordFileWindows.cpp).
    Status openOnHost(const QString& path, bool create);
    // Reads up to `count` bytes at `offset`: how many (0 at the end of the file), or -1 with the
    // failure in `failure` (Busy or Failed) and errorText() set.
    std::int64_t readSome(std::int64_t offset, char* into, std::int64_t count, Status& failure);
    // Sets errorText() and errorNumber() from the host's error number and says what it means.
    Status fail(int err);
    // The host's numbers for a read refused by a lock and for a file that ended too soon.
    static int lockedReadError();
    static int shortReadError();

    std::intptr_t handle_ = kNoHandle;  // a file descriptor or a HANDLE
    bool writable_ = true;
    bool locked_ = false;
    bool faulted_ = false;  // the file the test seam makes fail
    QString error_;
    int errno_ = 0;
};

}  // namespace pekuru
