// CP932 through the system's code page 932 (Qt for Windows has no ICU, so no CP932 codec).
#include <windows.h>

#include <climits>

#include "platform/Cp932Codec.h"

namespace pekuru::cp932::host {

namespace {

constexpr UINT kCodePage = 932;

// Windows (and Wine, in part) reads the single bytes 0x80, 0xA0 and 0xFD to 0xFF as U+0080 and
// U+F8F0 to U+F8F3, which Microsoft's published table, the one the Linux build uses, does not
// have. Both builds refuse them, so that a file reads the same on either.
bool outsideTheTable(char16_t c) { return c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3); }

bool holdsOutside(QStringView text) {
    for (const QChar c : text)
        if (outsideTheTable(c.unicode())) return true;
    return false;
}

}  // namespace

bool available() { return IsValidCodePage(kCodePage) != 0; }

std::optional<QString> decode(QByteArrayView bytes) {
    if (bytes.isEmpty()) return QString();
    if (bytes.size() > INT_MAX) return std::nullopt;
    const int n =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;  // ERROR_NO_UNICODE_TRANSLATION: a byte sequence with no reading
    QString text(n, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t*>(text.data()), n) != n)
        return std::nullopt;
    if (holdsOutside(text)) return std::nullopt;
    return text;
}

std::optional<QByteArray> encode(QStringView text) {
    if (text.isEmpty()) return QByteArray();
    if (text.size() > INT_MAX || holdsOutside(text)) return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    // No best fit (〜 would become ～, ¥ a backslash) and no default character: a character
    // without a CP932 form is an error, never "?".
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr, 0,
                                      nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return std::nullopt;
    QByteArray bytes(n, Qt::Uninitialized);
    usedDefault = FALSE;
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(), n, nullptr,
                            &usedDefault) != n ||
        usedDefault)
        return std::nullopt;
    return bytes;
}

}  // namespace pekuru::cp932::host
