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

RecordFile::Status RecordFile::open(const QString& path, bool create) {
    close();
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
    fd_ = fd;
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
