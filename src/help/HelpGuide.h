#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// The guide that ヘルプ ▸ 目次 opens: HTML pages with their pictures, in a folder whose start
// page is index.html.

// Where the guide is looked for, in this order:
//  1. the classroom's own guide, `help/index.html` in the program folder, which a school may keep
//     (a newer or its own version, in the same format);
//  2. the guide the program ships, where this host lays it out (platform/HostFolders: on Linux
//     `help/` beside the executable in the build folder, then `../share/pekuru/help` of the
//     installed program; on Windows `help\` beside pekuru.exe).
// A Windows help file `<title>.HLP` in the program folder is not among them: nothing on this
// system opens it.
QStringList guideFolders(const QString& programFolder, const QString& executableFolder);

// The first of `folders` that holds index.html, or an empty string.
QString findGuide(const QStringList& folders);

// The guide's start page.
inline const QString kGuideStartPage = QStringLiteral("index.html");

}  // namespace pekuru
