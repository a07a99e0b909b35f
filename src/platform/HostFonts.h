#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace pekuru {

// The screens ask for two faces by name, a proportional Gothic and a monospaced one (IPAPGothic and
// IPAGothic, shell/FontFaces.h). Linux has them from its font packages. Windows has neither as a
// rule, but a Japanese Gothic of its own, or else the copies the program ships beside itself.

// One face the screens ask for, and what may stand in for it on this host.
struct FaceWanted {
    QString face;          // the family the screens ask for
    QStringList standIns;  // the host's own families that may take its place, best first
    QString bundledFile;   // its font file among the program's own fonts
};

// What to do so that every wanted face can be drawn.
struct FontPlan {
    std::vector<std::pair<QString, QString>> substitutions;  // face, the host family that stands in
    QStringList filesToLoad;                                 // the program's own font files
    QStringList problems;                                    // faces that nothing can draw, in words
};

// For each face: nothing when the host has it; else the first stand-in the host has; else the
// bundled file from `fontFolder` when it is there; else a problem to tell.
FontPlan planFonts(const std::vector<FaceWanted>& faces, const std::function<bool(const QString&)>& hostHas,
                   const std::function<bool(const QString&)>& fileExists, const QString& fontFolder);

// Makes `proportionalFace` and `monospaceFace` drawable, once at start-up, after the application
// object is made: on Windows through the system's Japanese UI fonts or the program's own copies in
// <executableFolder>/fonts; says on standard error when neither is there. On Linux nothing.
void useHostFonts(const QString& executableFolder, const QString& proportionalFace,
                  const QString& monospaceFace);

}  // namespace pekuru
