// RecordFile on Windows: one handle that every copy may share for reading and writing at once,
// LockFileEx over the whole file, and reads and writes at explicit offsets.
#include <windows.h>

#include <QDir>
#include <algorithm>
#include <string>

#include "platform/RecordFile.h"

namespace pekuru {

namespace {

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// Offset 0, length 2^64 - 1: the range that Samba and Wine turn into the fcntl lock of the whole
// file that the Linux build takes, so that copies on both hosts exclude each other.
constexpr DWORD kWholeFileLow = 0xFFFFFFFF;
constexpr DWORD kWholeFileHigh = 0xFFFFFFFF;

// Reads and writes go in pieces that a DWORD count holds comfortably.
constexpr std::int64_t kPiece = 1 << 20;

OVERLAPPED at(std::int64_t offset) {
    OVERLAPPED o{};
    o.Offset = DWORD(std::uint64_t(offset) & 0xFFFFFFFFu);
    o.OffsetHigh = DWORD(std::uint64_t(offset) >> 32);
    return o;
}

// Every copy in the classroom reads and appends at the same time, and the file may be renamed or
// removed by hand while a copy has it open: share all three ways.
HANDLE openShared(const std::wstring& path, DWORD access, DWORD disposition) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The system's own words for an error, in the system's language, without the closing line break.
QString systemMessage(DWORD err) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = n > 0 ? QString::fromWCharArray(text, int(n)).trimmed() : QString();
    if (text) LocalFree(text);
    if (message.isEmpty()) message = QStringLiteral("Windows のエラー %1").arg(err);
    return message;
}

}  // namespace

bool RecordFile::locksBarReads() { return true; }
int RecordFile::lockedReadError() { return ERROR_LOCK_VIOLATION; }
int RecordFile::shortReadError() { return ERROR_HANDLE_EOF; }

RecordFile::Status RecordFile::fail(int err) {
    errno_ = err;
    error_ = systemMessage(DWORD(err));
    switch (DWORD(err)) {
        case ERROR_LOCK_VIOLATION:
        case ERROR_SHARING_VIOLATION:
            return Status::Busy;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:   // the server does not answer
        case ERROR_BAD_NET_NAME:  // the share is not there (yet)
            return Status::NotFound;
        default:
            return Status::Failed;
    }
}

RecordFile::Status RecordFile::openOnHost(const QString& path, bool create) {
    // A new file takes the permissions its folder hands down to new files: the classroom's accounts
    // that may write the folder may write the file.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD readWrite = GENERIC_READ | GENERIC_WRITE;
    writable_ = true;
    HANDLE h = openShared(native, readWrite, OPEN_EXISTING);
    DWORD err = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (h == INVALID_HANDLE_VALUE && err == ERROR_FILE_NOT_FOUND && create) {
        h = openShared(native, readWrite, CREATE_NEW);
        err = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (h == INVALID_HANDLE_VALUE && err == ERROR_FILE_EXISTS) {  // another copy made it just now
            h = openShared(native, readWrite, OPEN_EXISTING);
            err = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        }
    }
    if (h == INVALID_HANDLE_VALUE && (err == ERROR_ACCESS_DENIED || err == ERROR_WRITE_PROTECT)) {
        // A file that may be read but not written still serves the readers; an append finds out
        // from isWritable() and says so.
        h = openShared(native, GENERIC_READ, OPEN_EXISTING);
        if (h != INVALID_HANDLE_VALUE) {
            writable_ = false;
            fail(int(err));  // why it is not writable, for whoever goes on to write
        }
    }
    if (h == INVALID_HANDLE_VALUE) {
        const Status s = fail(int(err));
        return s == Status::Busy ? Status::Failed : s;  // a file another program keeps to itself
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return Status::Ok;
}

RecordFile::Status RecordFile::tryLock() {
    if (!writable_) return Status::Failed;  // the reason the open for writing gave stays the error
    OVERLAPPED o = at(0);
    if (!LockFileEx(handleOf(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, kWholeFileLow,
                    kWholeFileHigh, &o))
        return fail(int(GetLastError()));  // ERROR_LOCK_VIOLATION while another copy holds it: Busy
    locked_ = true;
    return Status::Ok;
}

RecordFile::Status RecordFile::unlock() {
    OVERLAPPED o = at(0);
    if (!UnlockFileEx(handleOf(handle_), 0, kWholeFileLow, kWholeFileHigh, &o))
        return fail(int(GetLastError()));
    locked_ = false;
    return Status::Ok;
}

std::int64_t RecordFile::length() {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(handle_), &size)) {
        fail(int(GetLastError()));
        return -1;
    }
    return std::int64_t(size.QuadPart);
}

RecordFile::Status RecordFile::writeAt(std::int64_t offset, const QByteArray& bytes) {
    std::int64_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED o = at(offset + done);
        DWORD written = 0;
        const DWORD piece = DWORD(std::min<std::int64_t>(bytes.size() - done, kPiece));
        const bool ok = WriteFile(handleOf(handle_), bytes.constData() + done, piece, &written, &o);
        if (!ok || written == 0) {
            const Status s = fail(ok ? int(ERROR_WRITE_FAULT) : int(GetLastError()));
            return s == Status::Busy ? Status::Failed : s;
        }
        done += written;
    }
    // On the disk (or the file server) before the lock is given up: the next copy reads it.
    if (!FlushFileBuffers(handleOf(handle_))) return fail(int(GetLastError()));
    return Status::Ok;
}

std::int64_t RecordFile::readSome(std::int64_t offset, char* into, std::int64_t count, Status& failure) {
    OVERLAPPED o = at(offset);
    DWORD got = 0;
    if (ReadFile(handleOf(handle_), into, DWORD(std::min(count, kPiece)), &got, &o)) return got;
    const DWORD err = GetLastError();
    if (err == ERROR_HANDLE_EOF) return 0;
    // Another copy's lock bars the read while it appends: Busy, to be waited for. Anything else
    // (a share that stopped answering) is a failure.
    failure = fail(int(err)) == Status::Busy ? Status::Busy : Status::Failed;
    return -1;
}

void RecordFile::close() {
    if (handle_ == kNoHandle) return;
    // Windows gives up a closed handle's locks only "when resources allow": give it up now.
    if (locked_) unlock();
    CloseHandle(handleOf(handle_));
    handle_ = kNoHandle;
    locked_ = false;
}

}  // namespace pekuru
