#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// What the command line asks for.
struct CommandLine {
    QString programFolder;  // --folder DIR, else the executable's folder
    bool showHelp = false;
    bool showVersion = false;
    QString error;  // a bad command line, in words for the user
};
CommandLine parseCommandLine(const QStringList& arguments, const QString& executableFolder);
QString usageText();

}  // namespace pekuru
