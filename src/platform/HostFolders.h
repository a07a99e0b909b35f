#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// Where this host keeps what the program folder's search needs, and which place wins.
struct HostFolders {
    // On Windows a classroom keeps its copy of the program in the program folder itself, so the
    // executable's own folder, when it holds 設定.txt, wins even over --folder. On Linux the
    // program is installed apart from the classroom and the command line comes first.
    bool executableFolderFirst = false;
    QString userClassroom;         // the per-user classroom: <the user's data folder>/pekuru, or empty
    QStringList demoClassrooms;    // the installed demo classrooms, in order of preference
    QString userClassroomInWords;  // how the usage text names the per-user program folder
};
HostFolders hostFolders(const QString& executableFolder);

}  // namespace pekuru
