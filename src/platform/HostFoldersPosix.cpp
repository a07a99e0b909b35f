#include <QDir>
#include <QStandardPaths>

#include "platform/HostFolders.h"

namespace pekuru {

HostFolders hostFolders(const QString& executableFolder) {
    HostFolders h;
    h.executableFolderFirst = false;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) h.userClassroom = data + QStringLiteral("/pekuru");
    // The prefix the program was installed into comes first, so that a copy installed under
    // /opt or a test prefix uses its own demo classroom; then the system's data folders.
    if (!executableFolder.isEmpty())
        h.demoClassrooms << QDir::cleanPath(executableFolder + QStringLiteral("/../share/pekuru/教室"));
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString demo = QDir::cleanPath(dir + QStringLiteral("/pekuru/教室"));
        if (!h.demoClassrooms.contains(demo)) h.demoClassrooms << demo;
    }
    h.userClassroomInWords = QStringLiteral("~/.local/share/pekuru/ペクル");
    // The build tree has the guide and the sound module beside the program; an installed program
    // has them in share/pekuru/help and lib/pekuru of its prefix.
    if (!executableFolder.isEmpty()) {
        h.guideFolders << QDir::cleanPath(executableFolder + QStringLiteral("/help"))
                       << QDir::cleanPath(executableFolder + QStringLiteral("/../share/pekuru/help"));
        h.soundModuleFolders << executableFolder
                             << QDir::cleanPath(executableFolder + QStringLiteral("/../lib/pekuru"));
    }
    return h;
}

}  // namespace pekuru
