#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include "records/RecordFormat.h"
#include "shell/GlobalState.h"

namespace pekuru {

class Waiter;

// The teacher's export: every record of the shared result file as CSV for a spreadsheet (UTF-8
// with a byte-order mark, CR LF, RFC 4180 quoting), run from the command line without a screen.

// The command line of the export mode, taken out of the program's arguments.
struct ExportRequest {
    bool wanted = false;
    QString output;  // a file, or "-" for standard output
    QString error;   // a bad command line, in words for the user
};
// Finds "--export-csv OUT" (or "--export-csv=OUT") and removes it from `arguments`, so that the
// rest (--folder) is read as for a normal start. An OUT whose own name a Windows share would
// refuse (fileNameProblem) is an error.
ExportRequest takeExportRequest(QStringList& arguments);
QString exportUsageText();

// One text field: quoted when it holds a comma, a quote or a line break (quotes doubled).
QString csvField(const QString& text);
// A name from the roster: as csvField, and one that a spreadsheet would take for a formula
// (starting with = + - @, a tab or a carriage return) gets a leading apostrophe.
QString csvNameField(const QString& name);

// The whole CSV: header row, then one row per record in file order. `names` maps student numbers
// to roster names (trimmed); `g` holds the level table for the points. Records that the program
// itself passes over (student 0, level 0, a negative date) are left out.
QByteArray csvBytes(const hensuu1& g, const std::vector<SeisekiRec>& records,
                    const std::map<int, QString>& names);

// Reads every whole record of the shared result file. A missing file, a record that cannot be a
// result (which record, which field) or a torn record at the end (reported in `notes`, left out,
// as the program overwrites it with the next attempt) are told in Japanese; the errors throw
// ProgramError. While another copy's append bars the read (Windows), waits through `waiter`.
std::vector<SeisekiRec> readAllRecords(const QString& path, QStringList& notes, Waiter& waiter);

// The names of the roster file by student number, hidden rows too. A missing roster gives none
// (and a note); a broken one throws ProgramError naming its line.
std::map<int, QString> rosterNames(const hensuu1& g, QStringList& notes);

// The export as the command runs it: the settings of `programFolder` locate the data as the
// program does, then the CSV goes to `output` through QSaveFile (no half file on failure) or to
// `out` for "-". Messages go to `err`. Returns the exit status: 0, or 1 after a failure.
int runExport(const QString& programFolder, const QString& output, std::FILE* out, std::FILE* err,
              Waiter& waiter);

}  // namespace pekuru
