#pragma once

#include <QByteArray>
#include <QString>

namespace pekuru::cp932 {

// Strict conversions at the file boundary. Both throw ProgramError naming `file` (and the line of
// the first bad byte or character) instead of silently putting "?" or U+FFFD in its place.
QString decode(const QByteArray& bytes, const QString& file);
QByteArray encode(const QString& text, const QString& file);

// True when every character of `text` has a CP932 form.
bool canEncode(const QString& text);

// The first character of `text` that CP932 cannot hold, or an empty string.
QString firstUnencodable(const QString& text);

}  // namespace pekuru::cp932
