#include <QDir>
#include <QStandardPaths>

#include "platform/HostFolders.h"

namespace pekuru {

HostFolders hostFolders(const QString& executableFolder) {
    HostFolders h;
    h.executableFolderFirst = true;
    // GenericDataLocation is the user's %LOCALAPPDATA%: the classroom stays on this computer and
    // out of a roaming profile, which would carry a growing result file to every logon.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) h.userClassroom = data + QStringLiteral("/pekuru");
    // The installer puts the demo classroom beside the program: <folder of pekuru.exe>\share\pekuru\教室.
    if (!executableFolder.isEmpty())
        h.demoClassrooms << executableFolder + QStringLiteral("/share/pekuru/教室");
    h.userClassroomInWords = QStringLiteral("%LOCALAPPDATA%\\pekuru\\ペクル");
    // The guide lies beside the program, <folder of pekuru.exe>\help, in the build tree, the
    // portable folder and the installed program alike. The sound plays through the media control
    // interface (WindowsMediaCommands): there is no sound module to look for.
    if (!executableFolder.isEmpty())
        h.guideFolders << QDir::cleanPath(executableFolder + QStringLiteral("/help"));
    return h;
}

}  // namespace pekuru
