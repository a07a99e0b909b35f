#include <windows.h>
// after windows.h, which they need
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/HostConsole.h"

namespace pekuru {

namespace {

bool goesSomewhere(DWORD which) {
    const HANDLE h = GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

bool isConsole(std::FILE* stream) {
    const int fd = _fileno(stream);
    if (fd < 0) return false;
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &mode) != 0;
}

UINT codePageBefore = 0;
void restoreCodePage() { SetConsoleOutputCP(codePageBefore); }

}  // namespace

void connectHostConsole() {
    const bool out = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool err = goesSomewhere(STD_ERROR_HANDLE);
    if ((!out || !err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!out) (void)std::freopen("CONOUT$", "w", stdout);
        if (!err && std::freopen("CONOUT$", "w", stderr)) std::setvbuf(stderr, nullptr, _IONBF, 0);
    }
    // The texts are UTF-8. The console is the user's, shared with the shell that started the
    // program: its code page goes back as it was when the program ends.
    if ((isConsole(stdout) || isConsole(stderr)) && GetConsoleOutputCP() != CP_UTF8) {
        codePageBefore = GetConsoleOutputCP();
        if (SetConsoleOutputCP(CP_UTF8)) std::atexit(restoreCodePage);
    }
}

QStringList hostArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    if (!wide) {
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        return arguments;
    }
    for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

}  // namespace pekuru
