#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// What the command line asks for.
struct CommandLine {
    QString programFolder;  // --folder DIR, else the executable's folder
    bool folderGiven = false;
    bool showHelp = false;
    bool showVersion = false;
    QString error;  // a bad command line, in words for the user
};
CommandLine parseCommandLine(const QStringList& arguments, const QString& executableFolder);
// The usage, with this host's order of places and its per-user classroom.
QString usageText();

// The places a program folder can come from when the program starts. An installed copy started
// from the desktop menu has no --folder and no settings beside its executable, so it falls back
// to a classroom of the user's own, laid out from the demo classroom that the package installs.
struct FolderSources {
    QString environmentFolder;   // PEKURU_FOLDER, empty when unset
    QString executableFolder;    // where the program file lies
    QString userClassroom;       // the per-user common folder: $XDG_DATA_HOME/pekuru or %LOCALAPPDATA%/pekuru
    QStringList demoClassrooms;  // installed demo classrooms (common folders), in order of preference
    // The executable's folder, when it holds 設定.txt, comes before --folder (Windows, where a
    // classroom's program folder holds its own copy of the program).
    bool executableFolderFirst = false;
};
// This host's places (platform/HostFolders) and PEKURU_FOLDER.
FolderSources hostFolderSources(const QString& executableFolder);

// The program folder's own name inside a classroom (the folder that holds 設定.txt).
inline constexpr const char* kProgramFolderName = "ペクル";

struct FolderChoice {
    QString programFolder;
    bool laidOut = false;  // the per-user classroom was (re)filled from the demo classroom just now
};

// Picks the program folder, in this order: --folder, PEKURU_FOLDER, the executable's folder when
// it holds 設定.txt, the per-user classroom; with `executableFolderFirst`, the executable's folder
// (with 設定.txt) before all of them. The per-user classroom gets every file of the demo
// classroom that it lacks (the user's own files are never overwritten); 設定.txt comes last, so an
// interrupted first start is completed on the next one. Throws ProgramError when there is no
// classroom anywhere or a file cannot be copied.
FolderChoice chooseProgramFolder(const CommandLine& commandLine, const FolderSources& sources);

// chooseProgramFolder on this host's places; says on standard error where a new classroom was laid out.
QString resolveProgramFolder(const CommandLine& commandLine, const QString& executableFolder);

}  // namespace pekuru
