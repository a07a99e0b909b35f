#pragma once

#include <QString>
#include <QStringList>

#include "platform/Clock.h"
#include "roster/Roster.h"
#include "shell/GlobalState.h"

namespace pekuru {

// The name list of the selection screen, apart from its widgets.

// The four tallies a line can show, each a sum over levels 1..35 of one statistics table.
enum class Tally { HonjituKaisuu, RuikeiKaisuu, HonjituPoint, RuikeiPoint };

struct StudentTallies {
    double honjituKaisuu = 0;
    double ruikeiKaisuu = 0;
    double honjituPoint = 0;
    double ruikeiPoint = 0;
    double of(Tally t) const;
};
StudentTallies studentTallies(const hensuu1& g, int bangou);

// The fixed-width text of one tally: right-aligned digits (cut on the left when too long), "回"
// after counts, and a blank text of the same width when the sum is 0.
QString tallyText(Tally tally, double n);

// The two columns of a display mode (0..3).
struct ModeColumns {
    Tally first;
    Tally second;
};
ModeColumns modeColumns(int mode);

// The display part of a line: grade code, blank, trimmed name, ideographic-space padding, the two
// tallies around "/", then "*" and the student number.
QString nameListEntry(const ShownRow& row, int mode, const StudentTallies& tallies);
// The full hidden line: the birth year, then the display part.
QString nameListLine(const ShownRow& row, int mode, const StudentTallies& tallies);

// The three lists of the screen: List1 (entry 0 is the placeholder), List2 (one line per shown row,
// all grades), List3 (for List1 entry i, the display part with the number in entry i − 1).
struct NameLists {
    QStringList List1;
    QStringList List2;
    QStringList List3;
    QStringList spoken;  // for each List1 entry, what a screen reader says for it
};
// Loads the roster (recomputing the school year) and builds the lists for a mode and a grade filter
// text. The tallies must be current (回数求) before this runs.
NameLists buildNameLists(hensuu1& g, const Clock& clock, int mode, const QString& filter);

// A List1 line as a screen reader should say it: the padded columns read as words, for example
// "小5 たろう、今日 77ポイント、今まで 112ポイント".
QString spokenNameEntry(const ShownRow& row, int mode, const StudentTallies& tallies);
QString spokenPlaceholder();

// The placeholder entry 0 and the prompt shown while no name is chosen.
QString nameListPlaceholder();
QString choosePrompt();

// What Label1 shows after a click on a List1 entry: its first ten characters, blanks trimmed.
QString clickedName(const QString& entry);
// After a double-click: the entry up to its first "/", blanks trimmed.
QString doubleClickedName(const QString& entry);
// The student number carried by a List3 entry: the text after its "*".
QString numberOfEntry(const QString& list3Entry);

// The confirmation of a name: who is working from now on and since when. `number` is Label2's text.
void 名前確定(hensuu1& g, const Clock& clock, const QString& number);

// Where the suite's menu program lies, beside the program folder, and what it is given.
QString programMenuPath(const hensuu1& g);
QString programMenuArgument();

}  // namespace pekuru
