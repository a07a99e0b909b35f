#include "printing/PaperDocument.h"

#include <QPainter>

namespace pekuru {

void paintPaperPage(QPainter& painter, const PaperDocument& document, int page, const QRectF& area) {
    if (!document.draw) return;
    const QSizeF paper = document.paper();
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / paper.width(), area.height() / paper.height());
    document.draw(painter, page);
    painter.restore();
}

}  // namespace pekuru
