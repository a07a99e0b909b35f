#include "help/HelpGuide.h"

#include <QDir>
#include <QFileInfo>

namespace pekuru {

QStringList guideFolders(const QString& programFolder, const QString& executableFolder) {
    QStringList folders;
    if (!programFolder.isEmpty()) folders << QDir::cleanPath(programFolder + QStringLiteral("/help"));
    if (!executableFolder.isEmpty()) {
        folders << QDir::cleanPath(executableFolder + QStringLiteral("/help"));
        folders << QDir::cleanPath(executableFolder + QStringLiteral("/../share/pekuru/help"));
    }
    return folders;
}

QString findGuide(const QStringList& folders) {
    for (const QString& folder : folders)
        if (QFileInfo(QDir(folder).filePath(kGuideStartPage)).isFile()) return folder;
    return QString();
}

}  // namespace pekuru
