#pragma once

// Whether the words on a screen can be read whole: every visible label, button, radio or check box
// and list line whose text does not fit its box with its own font.
#include <QStringList>

class QWidget;

namespace pekuru::test {

// One entry per clipped text: "objectName: text (needs W×H, has W×H)". Empty when all fit.
QStringList clippedTexts(QWidget* screen);

}  // namespace pekuru::test
