#pragma once

#include <QString>
#include <cstdint>

namespace pekuru::test {

// While one of these lives, every read of the file at `path` (pread by our own code, read by Qt's
// QFile) stops at byte `end` of the file, as if the file ended there, while the file's length
// still says otherwise: what a reader sees when the file is cut short between asking its length
// and reading, or when a network share stops answering in the middle of a read. Reads of every
// other file go on untouched. One at a time.
class ShortReads {
  public:
    ShortReads(const QString& path, std::int64_t end);
    ~ShortReads();
    ShortReads(const ShortReads&) = delete;
    ShortReads& operator=(const ShortReads&) = delete;
    // Reads that came back short so far.
    int shortened() const;
};

}  // namespace pekuru::test
