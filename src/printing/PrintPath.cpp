#include "printing/PrintPath.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "shell/ScreenKit.h"

namespace pekuru {

bool printThroughDefaultOrDialog(QWidget* parent, const std::function<void(QPrinter&)>& setUp,
                                 const std::function<void(QPrinter&)>& draw) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        setUp(printer);
        draw(printer);
        return true;
    }
    // No printer is set up: the dialog lets the user pick one or print into a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted) return false;
    draw(printer);
    return true;
}

void printToPdfFile(const QString& path, const std::function<void(QPrinter&)>& setUp,
                    const std::function<void(QPrinter&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUp(printer);
    draw(printer);
}

void setUpForDocument(const PaperDocument& document, QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
    printer.setFullPage(true);
}

bool printDocument(const PaperDocument& document, QPrinter& printer) {
    QPainter p(&printer);
    if (!p.isActive()) return false;
    for (int page = 0; page < document.pages; ++page) {
        if (page > 0) printer.newPage();
        paintPaperPage(p, document, page, printer.paperRect(QPrinter::DevicePixel));
    }
    return true;
}

PaperPreview::PaperPreview(QWidget* parent) : QWidget(parent) {
    describe(this, QStringLiteral("印刷の見本"), QAccessible::Graphic);
}

void PaperPreview::setDocument(PaperDocument document) {
    document_ = std::move(document);
    page_ = 0;
    update();
}

void PaperPreview::setPage(int page) {
    page_ = std::clamp(page, 0, std::max(0, document_.pages - 1));
    update();
}

QRectF PaperPreview::paperRect() const {
    const QSizeF s = document_.paper().scaled(QSizeF(size()) * 0.96, Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void PaperPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF paper = paperRect();
    p.fillRect(paper.translated(4, 4), QColor(0, 0, 0, 60));
    p.fillRect(paper, Qt::white);
    p.setClipRect(paper);
    paintPaperPage(p, document_, page_, paper);
}

}  // namespace pekuru
