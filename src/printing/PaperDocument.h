#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <functional>

class QPainter;

namespace pekuru {

// A document of pages drawn in tenths of a millimetre on A4 paper (2100 × 2970 upright, 2970 × 2100
// lying): the progress report and the certificate. The preview and the printer draw it the same way.
struct PaperDocument {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int pages = 1;
    std::function<void(QPainter& painter, int page)> draw;  // page from 0
    QSizeF paper() const {
        return orientation == QPageLayout::Portrait ? QSizeF(2100, 2970) : QSizeF(2970, 2100);
    }
};

// Draws `page` of `document` into `area` of the painter (the paper on a screen, the whole sheet of
// a printer), the document's tenths of a millimetre mapped onto it; the painter is left as it was.
// Nothing is drawn for a document without a drawing.
void paintPaperPage(QPainter& painter, const PaperDocument& document, int page, const QRectF& area);

}  // namespace pekuru
