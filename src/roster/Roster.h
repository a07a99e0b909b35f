#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/Clock.h"
#include "platform/FreeFormatReader.h"
#include "shell/GlobalState.h"
#include "shell/Grades.h"

namespace pekuru {

constexpr int kHomeRosterLimit = 3;
constexpr int kRosterTextLength = 20;

// The roster file and its temporary copy in the common folder.
QString rosterPath(const hensuu1& g);
QString rosterTempPath(const hensuu1& g);

// Left-aligned, blank-padded or cut to `width` characters.
QString fixedText(const QString& text, int width = kRosterTextLength);

// One row of the name list, as the roster load yields it.
struct ShownRow {
    int row = 0;         // k: the row's place among the shown rows, from 1
    MeiboRecord record;  // as stored in MeiboData(k)
    int gradeIndex = 0;
    QString gradeCode;
};

// One line of the roster file as stored: the record (texts fixed at 20 characters) and the row
// flag as read, for a writer that must put it back unchanged.
struct RosterLine {
    int line = 0;  // line of the file, from 1
    MeiboRecord record;
    FreeValue flag;
};

// Reads the next line of eight values; a line with more or fewer values, a bad number or a student
// number outside 0..5000 ends the program with the run-time error report naming the line.
RosterLine readRosterLine(FreeFormatReader& in);

// The roster load: reads the whole roster file into the by-number lists and MeiboData, sets Nendo
// and MeiboKazu, and returns the shown rows in file order. More than three shown rows end the
// program with the home-use message; a bad value ends it with the run-time error report.
std::vector<ShownRow> loadRoster(hensuu1& g, const Clock& clock);

// 名簿ファイル処理: when the roster cannot be opened, its temporary copy takes its place. When neither
// is there, the program cannot go on and says which files it looked for.
void 名簿ファイル処理(const hensuu1& g);

}  // namespace pekuru
