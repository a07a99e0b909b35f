#pragma once

#include <QString>

namespace pekuru {

// The program's faces: the proportional Gothic for words, the monospaced one where lines of a list
// are laid out by their width. The screens and the printed pages ask for them by these names.
inline const QString kGothicFace = QStringLiteral("IPAPGothic");
inline const QString kMonoGothicFace = QStringLiteral("IPAGothic");

}  // namespace pekuru
