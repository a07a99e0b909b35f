#include "platform/WindowsMediaCommands.h"

#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include <QDir>
#include <string>

#include "platform/HostMedia.h"

namespace pekuru {

namespace {
constexpr UINT kReturnLength = 256;  // what MCI's string commands may answer with

// The file's short (8.3) name where the volume has one: Wine's MCI cannot open a wave file whose
// path holds Japanese characters, and every sound of a classroom lies in 音フォルダ. A volume
// without short names (or a share) gives none, and the path goes as it is.
QString shortPathOf(const QString& path) {
    const auto* wide = reinterpret_cast<const wchar_t*>(path.utf16());
    const DWORD needed = GetShortPathNameW(wide, nullptr, 0);
    if (needed == 0) return path;
    std::wstring shortPath(needed, L'\0');
    const DWORD written = GetShortPathNameW(wide, shortPath.data(), needed);
    if (written == 0 || written >= needed) return path;
    shortPath.resize(written);
    return QString::fromStdWString(shortPath);
}
}  // namespace

std::unique_ptr<MediaCommands> makeHostMediaCommands(const QString&) {
    return std::make_unique<WindowsMediaCommands>();
}

int WindowsMediaCommands::send(const QString& command) {
    // The program's paths use "/", which MCI takes for part of the name. A command of another
    // shape goes as it is, for MCI to answer.
    const ParsedMediaCommand parsed = parseMediaCommand(command);
    const QString native = parsed.result == MediaOk
                               ? playAndWaitCommand(shortPathOf(QDir::toNativeSeparators(parsed.path)))
                               : command;
    wchar_t answer[kReturnLength] = {};
    return int(
        mciSendStringW(reinterpret_cast<const wchar_t*>(native.utf16()), answer, kReturnLength, nullptr));
}

QString WindowsMediaCommands::errorText(int code) {
    wchar_t text[kReturnLength] = {};
    if (code == 0 || !mciGetErrorStringW(MCIERROR(code), text, kReturnLength) || text[0] == 0)
        return mediaResultText(code);
    return QStringLiteral("%1 (MCI のエラー %2)").arg(QString::fromWCharArray(text)).arg(code);
}

}  // namespace pekuru
