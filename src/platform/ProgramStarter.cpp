#include "platform/ProgramStarter.h"

#include <QProcess>

namespace pekuru {

bool startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace pekuru
