// Any bytes as a free-format text file: every value read as each type in turn.
#include <cstddef>
#include <cstdint>

#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    try {
        FreeFormatReader in(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                            QStringLiteral("fuzz.txt"));
        int i = 0;
        while (!in.atEnd()) {
            const FreeValue v = in.next();
            try {
                switch (i++ % 4) {
                    case 0:
                        (void)in.toInt16(v);
                        break;
                    case 1:
                        (void)in.toInt32(v);
                        break;
                    case 2:
                        (void)in.toSingle(v);
                        break;
                    default:
                        (void)FreeFormatReader::toVariant(v).toNumber();
                        break;
                }
            } catch (const ProgramExit&) {
            }
        }
    } catch (const ProgramExit&) {
    }
    return 0;
}
