#include "platform/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace pekuru {

RecordFile::~RecordFile() { close(); }

RecordFile::Status RecordFile::fail(int err) {
    errno_ = err;
    error_ = QString::fromLocal8Bit(std::strerror(err));
    if (err == EACCES || err == EAGAIN) return Status::Busy;
    if (err == ENOENT || err == ENOTDIR) return Status::NotFound;
    return Status::Failed;
}

RecordFile::Status RecordFile::open(const QString& path) {
    close();
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A file that may be read but not written still serves the loader.
        if (errno == EACCES || errno == EROFS) fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            const Status s = fail(errno);
            return s == Status::Busy ? Status::Failed : s;  // "permission denied" on open is no lock
        }
    }
    fd_ = fd;
    return Status::Ok;
}

RecordFile::Status RecordFile::tryLock() {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // the whole file, however far it grows
    int r;
    do {
        r = ::fcntl(fd_, F_SETLK, &lock);
    } while (r < 0 && errno == EINTR);
    return r == 0 ? Status::Ok : fail(errno);
}

RecordFile::Status RecordFile::unlock() {
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd_, F_SETLK, &lock) == 0 ? Status::Ok : fail(errno);
}

std::int64_t RecordFile::length() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        fail(errno);
        return -1;
    }
    return std::int64_t(st.st_size);
}

RecordFile::Status RecordFile::writeAt(std::int64_t offset, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.constData() + done, std::size_t(bytes.size() - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            const Status s = fail(errno);
            return s == Status::Busy ? Status::Failed : s;
        }
        done += n;
    }
    if (::fdatasync(fd_) != 0 && errno != EINVAL && errno != EROFS) return fail(errno);
    return Status::Ok;
}

RecordFile::Status RecordFile::readAt(std::int64_t offset, std::int64_t count, QByteArray& out) {
    out.clear();
    if (count <= 0) return Status::Ok;
    out.resize(qsizetype(count));
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n =
            ::pread(fd_, out.data() + done, std::size_t(out.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            out.truncate(done);
            fail(err);
            return Status::Failed;  // even EAGAIN: a read that stopped is no lock to wait for
        }
        if (n == 0) break;
        done += n;
    }
    if (done < out.size()) {
        // The file ended before the length it gave a moment ago: it was cut short, or a network
        // share gave up in the middle. What came back is not the file.
        errno_ = EIO;
        error_ = QStringLiteral("%1 バイト目から %2 バイトを読むはずが、%3 バイトしか読めませんでした")
                     .arg(offset)
                     .arg(count)
                     .arg(done);
        out.truncate(done);
        return Status::Failed;
    }
    return Status::Ok;
}

void RecordFile::close() {
    if (fd_ >= 0) ::close(fd_);  // closing also gives up any lock this process holds on the file
    fd_ = -1;
}

}  // namespace pekuru
