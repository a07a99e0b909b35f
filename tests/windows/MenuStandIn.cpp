// A stand-in for the classroom's menu program (起動\プログラムメニュー.exe), for the tests of the
// Windows program: it shows nothing and writes the arguments it was started with, as UTF-8, one to
// a line, to a file beside itself named after it with ".args" added ("プログラムメニュー.exe.args").
// The file is written whole under a scratch name and renamed, so a test never reads half of it.
//
// A GUI program (no console window opens when it starts) that needs only the system's own DLLs:
// a test copies the bare .exe into a classroom folder.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

namespace {

constexpr DWORD kMaxPath = 32768;  // the longest path Windows allows, in UTF-16 units

struct Buffer {
    char* bytes = nullptr;
    DWORD size = 0, capacity = 0;

    bool append(const wchar_t* text) {
        const int need = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        if (need <= 0 || !reserve(size + DWORD(need))) return false;
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes + size, need, nullptr, nullptr);
        size += DWORD(need) - 1;  // without the terminating NUL
        bytes[size++] = '\n';
        return true;
    }
    bool reserve(DWORD want) {
        if (want <= capacity) return true;
        void* grown = bytes ? HeapReAlloc(GetProcessHeap(), 0, bytes, want * 2)
                            : HeapAlloc(GetProcessHeap(), 0, want * 2);
        if (!grown) return false;
        bytes = static_cast<char*>(grown);
        capacity = want * 2;
        return true;
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static wchar_t target[kMaxPath + 8], scratch[kMaxPath + 16];
    const DWORD n = GetModuleFileNameW(nullptr, target, kMaxPath);
    if (n == 0 || n >= kMaxPath) return 2;
    lstrcpyW(target + n, L".args");
    lstrcpyW(scratch, target);
    lstrcatW(scratch, L".part");

    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return 2;
    Buffer text;
    bool ok = text.reserve(64);
    for (int i = 1; ok && i < argc; ++i) ok = text.append(argv[i]);
    LocalFree(argv);
    if (!ok) return 2;

    const HANDLE file =
        CreateFileW(scratch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    ok = WriteFile(file, text.bytes, text.size, &written, nullptr) && written == text.size;
    CloseHandle(file);
    if (!ok || !MoveFileExW(scratch, target, MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(scratch);
        return 3;
    }
    return 0;
}
