#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "roster/Roster.h"
#include "shell/GlobalState.h"

namespace pekuru {

// The roster registration, apart from its widgets: the three home rows read and written in place.

constexpr int kRegistrationRows = 3;

// What the family typed for one row: the name box and the birth-year box.
struct RegistrationInput {
    QString name;
    QString birthYear;
};
using RegistrationInputs = std::array<RegistrationInput, kRegistrationRows>;

// Reads every line of the roster into MeiboData(i) (line i, hidden rows not compacted) and returns
// the lines as read, each with its flag as the file has it.
std::vector<RosterLine> readRosterForEditing(hensuu1& g);

// The boxes as the screen shows them after reading: row i's name (its padding dropped) and birth
// year. Rows the file does not have are empty.
RegistrationInputs registrationBoxes(const std::vector<RosterLine>& lines);

// The birth year of a box: its leading number (full-width digits read like half-width ones),
// rounded halves to even; 0 when the box starts with no number; none when it does not fit a
// 16-bit integer.
std::optional<Integer> birthYearOf(const QString& box);

// The name as it is stored: blanks trimmed, cut to 20 characters (not yet padded).
QString storedName(const QString& box);

// Saves the boxes: reads the roster again (numbers, flags and reserved fields are written back as
// they are in the file now), then replaces it atomically with rows 1-3 made from the boxes and any
// further lines unchanged. A new row (one the file did not have) is written only when its name box
// holds a name. Nothing is written when a box cannot be stored: the result is then the message
// for the family, naming the row and the reason.
std::optional<QString> saveRegistration(hensuu1& g, const RegistrationInputs& boxes);

}  // namespace pekuru
