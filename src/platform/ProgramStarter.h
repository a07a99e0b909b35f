#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

// Starts another program with its arguments, detached from this one and without a shell (the
// arguments reach it exactly as given). `program` is a path with "/" or the host's separator and
// may hold ".." steps. False, with nothing started, when there is no such file or it could not be
// started.
bool startProgram(const QString& program, const QStringList& arguments);

}  // namespace pekuru
