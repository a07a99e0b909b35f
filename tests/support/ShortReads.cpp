// The reads are replaced for the whole test program: a function of the same name in the program
// itself comes before the C library's for every caller, Qt's libraries included (and before the
// sanitizers' wrappers, which are weak). The real reads are the system calls themselves.
#include "support/ShortReads.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> armed{false};
dev_t device = 0;
ino_t inode = 0;
std::int64_t fileEnd = 0;
std::atomic<int> shortenedReads{0};

bool isTarget(int fd) {
    if (!armed.load()) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0) return false;
    return st.st_dev == device && st.st_ino == inode;
}

// How much of `count` bytes from `offset` lies before the pretended end.
std::size_t capped(std::int64_t offset, std::size_t count) {
    if (count == 0 || offset + std::int64_t(count) <= fileEnd) return count;
    ++shortenedReads;
    return offset >= fileEnd ? 0 : std::size_t(fileEnd - offset);
}

}  // namespace

extern "C" {

ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) {
    if (isTarget(fd)) {
        count = capped(offset, count);
        if (count == 0) return 0;
    }
    return ssize_t(syscall(SYS_pread64, fd, buffer, count, offset));
}

ssize_t pread64(int fd, void* buffer, std::size_t count, off_t offset) {
    return pread(fd, buffer, count, offset);
}

ssize_t read(int fd, void* buffer, std::size_t count) {
    if (isTarget(fd)) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= 0) {
            count = capped(at, count);
            if (count == 0) return 0;
        }
    }
    return ssize_t(syscall(SYS_read, fd, buffer, count));
}

}  // extern "C"

namespace pekuru::test {

ShortReads::ShortReads(const QString& path, std::int64_t end) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0) {
        std::fprintf(stderr, "ShortReads: no file %s\n", path.toLocal8Bit().constData());
        std::abort();
    }
    device = st.st_dev;
    inode = st.st_ino;
    fileEnd = end;
    shortenedReads = 0;
    armed = true;
}

ShortReads::~ShortReads() { armed = false; }

int ShortReads::shortened() const { return shortenedReads.load(); }

}  // namespace pekuru::test
