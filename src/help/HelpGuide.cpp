#include "help/HelpGuide.h"

#include <QDir>
#include <QFileInfo>

#include "platform/HostFolders.h"

namespace pekuru {

QStringList guideFolders(const QString& programFolder, const QString& executableFolder) {
    QStringList folders;
    if (!programFolder.isEmpty()) folders << QDir::cleanPath(programFolder + QStringLiteral("/help"));
    folders << hostFolders(executableFolder).guideFolders;
    return folders;
}

QString findGuide(const QStringList& folders) {
    for (const QString& folder : folders)
        if (QFileInfo(QDir(folder).filePath(kGuideStartPage)).isFile()) return folder;
    return QString();
}

}  // namespace pekuru
