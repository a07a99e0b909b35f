#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// Starts another program with its arguments, detached from this one and without a shell (the
// arguments reach it exactly as given). False when it could not be started.
bool startProgram(const QString& program, const QStringList& arguments);

}  // namespace pekuru
