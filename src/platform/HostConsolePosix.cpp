#include "platform/HostConsole.h"

namespace pekuru {

void connectHostConsole() {}  // a program started from a terminal writes to it already

QStringList hostArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace pekuru
