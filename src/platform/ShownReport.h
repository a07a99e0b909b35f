#pragma once

class QObject;
class QEvent;

namespace pekuru {

// Start-up measurement: with PEKURU_REPORT_SHOWN=1 in the environment, the first time a top-level
// window has been exposed and painted the program writes one line to standard error:
//   PEKURU_SHOWN <milliseconds since the process started> <wall clock, milliseconds since 1970>
// Call it after the application has delivered `event` to `receiver`. Costs one flag test per event
// when the variable is not set.
void reportFirstShown(QObject* receiver, QEvent* event);

}  // namespace pekuru
