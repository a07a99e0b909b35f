#include "platform/ProgramStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace pekuru {

bool startProgram(const QString& program, const QStringList& arguments) {
    // The other program may not be on this computer (the menu of a suite that is not installed):
    // then nothing is tried. Windows wants its own separators in the command line it is given.
    const QFileInfo file(program);
    if (!file.isFile()) return false;
    return QProcess::startDetached(QDir::toNativeSeparators(file.absoluteFilePath()), arguments);
}

}  // namespace pekuru
