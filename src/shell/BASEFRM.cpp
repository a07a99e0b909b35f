#include "shell/BASEFRM.h"

namespace pekuru {

BASEFRM::BASEFRM(AppContext& context, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BASEFRM"));
    setWindowTitle(context.g.ProgTitle);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe6));
    setPalette(pal);
    resize(1024, 768);
}

}  // namespace pekuru
