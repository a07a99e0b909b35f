#pragma once

#include <QString>
#include <cstdint>

namespace pekuru::test {

// While one of these lives, every read of the result file at `path` (through RecordFile) stops at
// byte `end` of the file, as if the file ended there, while the file's length still says
// otherwise: what a reader sees when the file is cut short between asking its length and reading,
// or when a network share stops answering in the middle of a read. With `busyReads`, the first
// reads of it meet another copy's lock instead, as Windows' mandatory locks make them while that
// copy appends (a negative `end` then leaves the reads whole). Reads of every other file go on
// untouched. The same on every host. One at a time.
class ShortReads {
  public:
    ShortReads(const QString& path, std::int64_t end, int busyReads = 0);
    ~ShortReads();
    ShortReads(const ShortReads&) = delete;
    ShortReads& operator=(const ShortReads&) = delete;
    // Reads that came back short so far.
    int shortened() const;
    // Reads refused as locked so far.
    int refused() const;
};

}  // namespace pekuru::test
