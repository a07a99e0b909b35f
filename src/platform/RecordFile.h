#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pekuru {

// A file of fixed-size records shared by several copies of the program, possibly on several
// computers over a network share. Appends run under an exclusive POSIX record lock (fcntl), which
// NFS and SMB mounts honour; reads take no lock.
class RecordFile {
  public:
    enum class Status { Ok, Busy, NotFound, Failed };

    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, creating the file when it is missing, as readable and
    // writable as its folder is (the classroom's accounts share it). A file this account may only
    // read is opened for reading (isWritable() false, errorText() says why). NotFound when its folder cannot
    // be reached, or, with `create` false, when the file is not there.
    Status open(const QString& path, bool create = true);
    bool isWritable() const { return writable_; }
    // Takes the exclusive lock without waiting: Busy while another process holds it.
    Status tryLock();
    Status unlock();
    // Length in bytes, read afresh (after the lock, so another copy's append is seen).
    std::int64_t length();
    // Writes `bytes` at `offset` whole and makes it durable before the lock is given up.
    Status writeAt(std::int64_t offset, const QByteArray& bytes);
    // Reads `count` bytes from `offset` into `out`, all of them or Failed: a file that ends sooner
    // (cut short, or a share that stopped answering) is an error, never a shorter read.
    Status readAt(std::int64_t offset, std::int64_t count, QByteArray& out);
    void close();

    bool isOpen() const { return fd_ >= 0; }
    // The last failure in words, from the host ("Permission denied", …).
    const QString& errorText() const { return error_; }
    int errorNumber() const { return errno_; }

  private:
    Status fail(int err);

    int fd_ = -1;
    bool writable_ = true;
    QString error_;
    int errno_ = 0;
};

}  // namespace pekuru
