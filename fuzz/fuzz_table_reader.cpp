// Any bytes as a scrambled table file, read as 表ファイル読込 reads it.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/ProgramError.h"
#include "printing/ScrambledTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    static auto g = std::make_unique<hensuu1>();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        readScrambledTable(*g, bytes, QStringLiteral("四字02vv.ccc"));
        // A table that loads holds what its counts say, and nothing past them.
        if (g->TableRows < 0 || g->TableRows > kMaxTableLines || g->TableCols < 0 ||
            g->TableCols > kMaxTableFields)
            __builtin_trap();
        if (g->TableRows < kMaxTableLines && !g->TableData(int(g->TableRows) + 1, 1).isEmpty())
            __builtin_trap();
    } catch (const ProgramExit&) {
    }
    return 0;
}
