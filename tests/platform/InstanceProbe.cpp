// A small process for the single-instance tests: takes the lock of a program folder, says so, and
// keeps it until its standard input closes. Exit 0 after holding it, 3 when another copy holds it.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) return 2;
    pekuru::SingleInstance instance(args[1], args[2]);
    if (!instance.acquire()) {
        std::puts("refused");
        return 3;
    }
    std::puts("held");
    std::fflush(stdout);
    char buffer[16];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
    }
    return 0;
}
