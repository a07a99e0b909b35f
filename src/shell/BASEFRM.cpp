#include "shell/BASEFRM.h"

#include "shell/ScreenKit.h"

namespace pekuru {

BASEFRM::BASEFRM(AppContext& context, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BASEFRM"));
    setWindowTitle(context.g.ProgTitle);
    paintBackground(this, kBackdropColour);
    resize(1024, 768);
}

}  // namespace pekuru
