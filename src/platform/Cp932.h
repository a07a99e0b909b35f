#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace pekuru::cp932 {

// Strict conversions at the file boundary. Both throw ProgramError naming `file` (and the line of
// the first bad byte or character) instead of silently putting "?" or U+FFFD in its place.
QString decode(const QByteArray& bytes, const QString& file);
QByteArray encode(const QString& text, const QString& file);

// True when every character of `text` has a CP932 form.
bool canEncode(const QString& text);

// The CP932 bytes of `text`, or nothing when a character has no CP932 form (no exception: for a
// caller that decides itself what such a character becomes).
std::optional<QByteArray> tryEncode(QStringView text);

// The first character of `text` that CP932 cannot hold, or an empty string.
QString firstUnencodable(const QString& text);

}  // namespace pekuru::cp932
