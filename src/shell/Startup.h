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
QString usageText();

// The places a program folder can come from when the program starts. An installed copy started
// from the desktop menu has no --folder and no settings beside its executable, so it falls back
// to a classroom of the user's own, laid out from the demo classroom that the package installs.
struct FolderSources {
    QString environmentFolder;   // PEKURU_FOLDER, empty when unset
    QString executableFolder;    // where the program file lies
    QString userClassroom;       // the per-user common folder, $XDG_DATA_HOME/pekuru
    QStringList demoClassrooms;  // installed demo classrooms (common folders), in order of preference
};
FolderSources hostFolderSources(const QString& executableFolder);

// The program folder's own name inside a classroom (the folder that holds 設定.txt).
inline constexpr const char* kProgramFolderName = "ペクル";

struct FolderChoice {
    QString programFolder;
    bool laidOut = false;  // the per-user classroom was (re)filled from the demo classroom just now
};

// Picks the program folder, in this order: --folder, PEKURU_FOLDER, the executable's folder when
// it holds 設定.txt, the per-user classroom. The per-user classroom gets every file of the demo
// classroom that it lacks (the user's own files are never overwritten); 設定.txt comes last, so an
// interrupted first start is completed on the next one. Throws ProgramError when there is no
// classroom anywhere or a file cannot be copied.
FolderChoice chooseProgramFolder(const CommandLine& commandLine, const FolderSources& sources);

// chooseProgramFolder on this host's places; says on standard error where a new classroom was laid out.
QString resolveProgramFolder(const CommandLine& commandLine, const QString& executableFolder);

}  // namespace pekuru
