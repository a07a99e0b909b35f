#pragma once

#include <QString>

#include "shell/GlobalState.h"

namespace pekuru {

// Folder values worked out from the program folder and value 1 of 設定.txt. Paths use this host's
// separator; the "/../" step is kept as it is, not normalised away.
struct Folders {
    QString AppFolder;
    QString KyoutuuFolder;
    QString ProgFolderName;
    QString DataFolder;
    QString OtoFolder;
};
Folders resolveFolders(const QString& programFolder, const Variant& folderMode);

// Splits a leading five-character code off the common display text: when the leading number of
// its first five characters is not 0, the code is those five characters and the name the rest.
struct CodeSplit {
    QString code;
    QString name;
};
CodeSplit splitClassroomCode(const QString& displayText);

// Reads タイム回数データ.txt into the twelve per-level lists: one line per level index from 0, at
// most 36 lines of twelve values each.
void readLevelTable(hensuu1& g, const QString& path);

// 設定読込: reads 設定.txt and 共通データ.txt, works out the folders, reads the level table and then
// the sound list (音ファイル読込).
// `programFolder` is the program's own folder, without a trailing separator. Any missing file or
// bad value throws ProgramError before anything is written.
void 設定読込(hensuu1& g, const QString& programFolder);

// The program folder as given on the command line or, without one, the executable's folder: an
// absolute path without a trailing separator.
QString normaliseProgramFolder(const QString& folder);

}  // namespace pekuru
