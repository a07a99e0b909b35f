#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// Where this host keeps what the program folder's search needs, and which place wins; and where
// the program's own shared files lie relative to its executable, as this host's build and install
// lay them out. This is the one place that knows that layout.
struct HostFolders {
    // On Windows a classroom keeps its copy of the program in the program folder itself, so the
    // executable's own folder, when it holds 設定.txt, wins even over --folder. On Linux the
    // program is installed apart from the classroom and the command line comes first.
    bool executableFolderFirst = false;
    QString userClassroom;         // the per-user classroom: <the user's data folder>/pekuru, or empty
    QStringList demoClassrooms;    // the installed demo classrooms, in order of preference
    QString userClassroomInWords;  // how the usage text names the per-user program folder
    // Where the guide the program ships lies (a folder with index.html), and where the sound
    // module is loaded from (nowhere when the host plays its sounds without one), in order.
    QStringList guideFolders;
    QStringList soundModuleFolders;
};
HostFolders hostFolders(const QString& executableFolder);

}  // namespace pekuru
