// Through the seam that RecordFile keeps for this, so that the same tests run on every host.
#include "support/ShortReads.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "platform/RecordFile.h"

namespace pekuru::test {

ShortReads::ShortReads(const QString& path, std::int64_t end, int busyReads) {
    if (!QFileInfo(path).isFile()) {
        std::fprintf(stderr, "ShortReads: no file %s\n", path.toUtf8().constData());
        std::abort();
    }
    RecordFile::injectReadFaultsForTesting(path, {end, busyReads});
}

ShortReads::~ShortReads() { RecordFile::injectReadFaultsForTesting(QString(), {}); }

int ShortReads::shortened() const { return RecordFile::shortenedReadsForTesting(); }
int ShortReads::refused() const { return RecordFile::refusedReadsForTesting(); }

}  // namespace pekuru::test
