#pragma once

#include <array>

#include "platform/Random.h"
#include "shell/GlobalState.h"

namespace pekuru {

constexpr int kIdiomLevels = 10;
constexpr int kWorksheetRows = 20;

// What the teacher chose on the worksheet selection.
struct WorksheetChoice {
    std::array<bool, kIdiomLevels + 1> levels{};  // entries 1..10
    int mode = 1;                                 // 1 answer sheet; 2 to 5: one to four characters hidden
    bool shuffle = false;
};

// Builds the print table from the idiom table (fields: level, idiom, reading, meaning): the
// selected levels' idioms in file order, optionally shuffled, with the chosen characters hidden,
// rows 1 to 20 numbered ①..⑳, and the layout settings for the print screen. Rows whose level is
// not 1 to 10 are skipped; an idiom shorter than four characters hides what it has.
// Returns the number of idioms selected.
int buildWorksheet(hensuu1& g, Random& random, const WorksheetChoice& choice);

// The same from the table already in TableData (for tests and callers that read it themselves).
int buildWorksheetFromTable(PrintTable& g, Random& random, const WorksheetChoice& choice);

QString circledNumber(int k);  // "①" .. "⑳"

}  // namespace pekuru
