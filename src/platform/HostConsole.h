#pragma once

#include <QStringList>

namespace pekuru {

// Standard output and error for the answers the program gives on a console (--help, --version,
// --export-csv, a wrong command line). On Windows the program is a windowed program, which gets
// no console of its own: when its output goes nowhere, it writes to the console it was started
// from, if any, and in UTF-8 there (the console's code page is given back when the program ends).
// Output redirected to a file or a pipe stays where it goes. On Linux nothing needs doing. Call it
// before such an answer only: a program with windows leaves the shell's console alone.
void connectHostConsole();

// The command line as the user typed it, in Unicode: on Windows from the wide command line (the
// narrow argv holds only what the system's code page can), elsewhere argv in the locale's coding.
QStringList hostArguments(int argc, char** argv);

}  // namespace pekuru
