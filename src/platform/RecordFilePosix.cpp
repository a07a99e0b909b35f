// RecordFile on POSIX: fcntl record locks, pread and pwrite.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/RecordFile.h"

namespace pekuru {

bool RecordFile::locksBarReads() { return false; }  // fcntl locks are advisory: reads pass
int RecordFile::lockedReadError() { return EAGAIN; }
int RecordFile::shortReadError() { return EIO; }

RecordFile::Status RecordFile::fail(int err) {
    errno_ = err;
    error_ = QString::fromLocal8Bit(std::strerror(err));
    if (err == EACCES || err == EAGAIN) return Status::Busy;
    if (err == ENOENT || err == ENOTDIR) return Status::NotFound;
    return Status::Failed;
}

namespace {

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// A result file is shared by everyone who uses the classroom folder, on this computer or another,
// each under an account of their own: a new file may be read and written by whoever may read and
// write its folder. Left to the umask of whoever happened to make it first (0644), every other
// pupil's attempts could never be recorded.
void shareLikeItsFolder(int fd, const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    struct stat st {};
    if (::stat(folder.constData(), &st) != 0) return;
    const mode_t others = st.st_mode & (S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    ::fchmod(fd, S_IRUSR | S_IWUSR | others);  // a share that keeps its own modes may refuse: no harm
}

}  // namespace

RecordFile::Status RecordFile::openOnHost(const QString& path, bool create) {
    const QByteArray native = QFile::encodeName(path);
    writable_ = true;
    int fd = openRetrying(native.constData(), O_RDWR);
    if (fd < 0 && errno == ENOENT && create) {
        fd = openRetrying(native.constData(), O_RDWR | O_CREAT | O_EXCL, 0666);
        if (fd >= 0)
            shareLikeItsFolder(fd, native);
        else if (errno == EEXIST)
            fd = openRetrying(native.constData(), O_RDWR);  // another copy made it just now
    }
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        // A file that may be read but not written still serves the readers; an append finds out
        // from isWritable() and says so.
        const int refused = errno;
        fd = openRetrying(native.constData(), O_RDONLY);
        if (fd >= 0) {
            writable_ = false;
            fail(refused);  // why it is not writable, for whoever goes on to write
        } else {
            errno = refused;
        }
    }
    if (fd < 0) {
        const Status s = fail(errno);
        return s == Status::Busy ? Status::Failed : s;  // "permission denied" on open is no lock
    }
    handle_ = fd;
    return Status::Ok;
}

RecordFile::Status RecordFile::tryLock() {
    // A write lock on a file opened for reading only would be refused as a bad descriptor; the
    // reason the open for writing gave stays the error.
    if (!writable_) return Status::Failed;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // the whole file, however far it grows
    int r;
    do {
        r = ::fcntl(int(handle_), F_SETLK, &lock);
    } while (r < 0 && errno == EINTR);
    if (r != 0) return fail(errno);
    locked_ = true;
    return Status::Ok;
}

RecordFile::Status RecordFile::unlock() {
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(int(handle_), F_SETLK, &lock) != 0) return fail(errno);
    locked_ = false;
    return Status::Ok;
}

std::int64_t RecordFile::length() {
    struct stat st {};
    if (::fstat(int(handle_), &st) != 0) {
        fail(errno);
        return -1;
    }
    return std::int64_t(st.st_size);
}

RecordFile::Status RecordFile::writeAt(std::int64_t offset, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(int(handle_), bytes.constData() + done, std::size_t(bytes.size() - done),
                                   off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            const Status s = fail(errno);
            return s == Status::Busy ? Status::Failed : s;
        }
        done += n;
    }
    if (::fdatasync(int(handle_)) != 0 && errno != EINVAL && errno != EROFS) return fail(errno);
    return Status::Ok;
}

std::int64_t RecordFile::readSome(std::int64_t offset, char* into, std::int64_t count, Status& failure) {
    for (;;) {
        const ssize_t n = ::pread(int(handle_), into, std::size_t(count), off_t(offset));
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        fail(errno);
        failure = Status::Failed;  // even EAGAIN: a read that stopped is no lock to wait for
        return -1;
    }
}

void RecordFile::close() {
    if (handle_ != kNoHandle) ::close(int(handle_));  // which also gives up this process's lock on it
    handle_ = kNoHandle;
    locked_ = false;
}

}  // namespace pekuru
