#pragma once

#include <QString>

namespace pekuru {

// File names that every computer of a classroom can use. The classroom folder is often a Windows
// share, reached from Linux too, so the names the program makes from what people type follow
// Windows' rules on both hosts: none of \ / : * ? " < > |, no control characters, not a device
// name (CON, PRN, AUX, NUL, COM0-9, LPT0-9, with or without an extension, in any case), no dot or
// blank at the end, at most 255 characters.

// What is wrong with `name` (a file's own name, without its folders), in Japanese for the person
// who typed it; empty when it can be used.
QString fileNameProblem(const QString& name);

// `name` made usable: refused characters become "_", dots and blanks at the end go, a device
// name gets a "_" after it, and a name that ends up empty becomes `fallback`.
QString usableFileName(const QString& name, const QString& fallback);

}  // namespace pekuru
