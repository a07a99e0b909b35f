#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

#include "shell/GlobalState.h"

namespace pekuru {

// Tables of content (the idiom table) lie beside the program scrambled: each line holds the row's
// fields separated by ",", the end marker, then filler up to the key's longest position, and its
// characters exchanged in pairs by a fixed key. Only CP932 text; no quoting.

// The end marker that closes the fields of a line; everything from it on is dropped.
inline constexpr char16_t kTableEndMarker[] = u"／ｅｎｄ／";
// The filler that follows the marker when a row is shorter than the key's longest position.
inline constexpr char16_t kTableFiller = u'*';
inline constexpr int kMaxTableLines = 1000;
inline constexpr int kMaxTableFields = 100;

// The number of exchanges of the key, and so the positions it may name (1..kKeyExchanges).
inline constexpr int kKeyExchanges = 99;

// The two key texts as stored in the program: 396 decimal digits each.
QStringView firstKeyText();
QStringView secondKeyText();

// A key text read as two-digit numbers 0..197 (number i is digits 2i + 1 and 2i + 2), plus the
// empty number 198.
std::array<QString, 199> keyNumbers(QStringView keyText);

// The longest character position that the key uses; every scrambled line is at least this long.
int longestKeyPosition();

// The scrambled file that stands for a plain table: the path with its file name cut before the
// name's first "." (dots in the folders above stay), followed by "vv.ccc". A file name without "."
// is a run-time error.
QString scrambledFileName(const QString& plainName);

// Why `plainLine` cannot be stored as a row of a scrambled table (empty when it can): it holds a
// line break or another control character, a character outside CP932, more fields than a row may
// have, or text that would make the end marker appear before its place.
QString plainLineProblem(const QString& plainLine);

// One line of a scrambled file from the plain row: the marker and filler appended, then exchanges
// 1 to 99. A line with a problem (see above) is a run-time error.
QString scrambleLine(const QString& plainLine);
// The exchanges in reverse order; the line must be at least longestKeyPosition() long.
QString unscrambleLine(const QString& scrambledLine);
// The fields of an unscrambled line: the text before the first marker split at every ",".
// Returns false when the line holds no marker.
bool splitTableLine(const QString& unscrambled, QStringList& fields);

// A whole scrambled file (CP932, CR LF after every line) from plain text whose lines are split on
// CR LF or LF. `fileName` names the plain table in messages. Every line is checked first; a bad line
// is a run-time error naming the file and the line.
QByteArray scrambleTable(const QString& plainText, const QString& fileName);

// Reads the scrambled file of the plain table `name` into TableData (field c of line r at (r, c),
// both from 1), TableRows (the number of lines) and TableCols (the fields of the last line). The
// table is cleared first, so nothing of a previous, longer table remains. Any failure (no "." in the
// name, a missing file, a line too short, without the marker, too many lines or fields) is a
// run-time error naming the file and the line; the shared values are then left as they were.
void 表ファイル読込(hensuu1& g, const QString& name);

// The same from the bytes of a scrambled file; `fileName` names it in messages.
void readScrambledTable(PrintTable& g, const QByteArray& bytes, const QString& fileName);

}  // namespace pekuru
