#include "printing/frmPrint.h"

#include <QCheckBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <cmath>

#include "platform/ProgramError.h"
#include "shell/ScreenKit.h"

namespace pekuru {

PagePreview::PagePreview(QWidget* parent) : QWidget(parent) {
    // A screen reader hears the preview as a picture of the page, not as an empty panel.
    setAccessibleRole(this, QAccessible::Graphic);
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("印刷の見本"));
    setAccessibleDescription(QStringLiteral("A4の紙に印刷されるとおりの見本です"));
}

void PagePreview::setPage(const LaidOutPage& page, const PageSetup& setup, const QFont& font) {
    page_ = page;
    setup_ = setup;
    font_ = font;
    update();
}

QRectF PagePreview::paperRect() const {
    // The page in its proportions, as large as the box allows.
    const double aspect = setup_.pageWidthTwips() / setup_.pageHeightTwips();
    const double margin = std::max(8.0, 0.02 * std::min(width(), height()));  // grows with the screen
    double w = width() - 2 * margin, h = w / aspect;
    if (h > height() - 2 * margin) {
        h = height() - 2 * margin;
        w = h * aspect;
    }
    return QRectF((width() - w) / 2, (height() - h) / 2, w, h);
}

void PagePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x8a, 0x93, 0x9c));
    const QRectF paper = paperRect();
    p.fillRect(paper.translated(4, 4), QColor(0, 0, 0, 60));
    p.fillRect(paper, Qt::white);
    paintPage(p, paper, page_, setup_, font_);
}

frmPrint::frmPrint(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    font_ = QFont(kGothicFace);
    Picture1 = new PagePreview(this);
    Check1 = named(new QCheckBox(QStringLiteral("印刷"), this), QStringLiteral("Check1"));
    Check2 = named(new QCheckBox(QStringLiteral("縦横"), this), QStringLiteral("Check2"));
    Command1 = named(new QPushButton(QStringLiteral("初期化"), this), QStringLiteral("Command1"));
    Command11 = named(new QPushButton(QStringLiteral("３列以上"), this), QStringLiteral("Command11"));
    for (QWidget* hidden : {static_cast<QWidget*>(Check1), static_cast<QWidget*>(Check2),
                            static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command11)})
        hidden->setVisible(false);
    Command9 = named(new QPushButton(QStringLiteral("印刷"), this), QStringLiteral("Command9"));
    Command8 = named(new QPushButton(QStringLiteral("印刷中止"), this), QStringLiteral("Command8"));
    for (QPushButton* b : {Command9, Command8}) b->setAutoDefault(true);  // Enter presses it, as Space does
    Command9->setStyleSheet(
        QStringLiteral("QPushButton { background: #1c6dd0; color: white; border-radius: 8px; }"));

    connect(Check1, &QCheckBox::toggled, this, [this] { pageSetup(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { pageSetup(); });
    connect(Command1, &QPushButton::clicked, this, [this] { pageSetup(); });
    connect(Command11, &QPushButton::clicked, this, [this] { dispatch(); });
    connect(Command9, &QPushButton::clicked, this, [this] { print(); });
    connect(Command8, &QPushButton::clicked, this, [this] { ctx_.flow.previewClosed(); });

    pageSetup();
    resize(1024, 768);
}

frmPrint::~frmPrint() = default;

void frmPrint::pageSetup() {
    setup_.portrait = Check2->isChecked();
    setup_.toPrinter = Check1->isChecked();
}

void frmPrint::dispatch() {
    Check2->setChecked(ctx_.g.PrintTateYoko == 1);
    page_ = layoutTable(ctx_.g, setup_, font_);
    Picture1->setPage(page_, setup_, font_);
}

bool frmPrint::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Every activation lays the page out again from the print table as it is now: a teacher who
    // went back to the selection, changed it and pressed "印刷へ" sees the sheet that will print.
    if ((event->type() == QEvent::WindowActivate || event->type() == shownAgainEvent()) &&
        !Check1->isChecked())
        dispatch();
    return handled;
}

void frmPrint::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    dispatch();
}

void frmPrint::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The button bar and its fonts grow with the window; the page takes the rest, in its own
    // proportions (PagePreview::paperRect).
    const double u = screenUnit(size());
    auto px = [u](double v) { return int(std::lround(v * u)); };
    const int bar = px(64);
    Picture1->setGeometry(0, 0, width(), height() - bar);
    for (QPushButton* b : {Command9, Command8}) setGothic(b, 16 * u, true);
    Command9->setGeometry(width() / 2 - px(230), height() - bar + px(8), px(220), bar - px(16));
    Command8->setGeometry(width() / 2 + px(10), height() - bar + px(8), px(220), bar - px(16));
}

void frmPrint::configure(QPrinter& printer) const {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(setup_.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setFullPage(true);   // 0..10000 spans the whole sheet
    printer.setResolution(600);  // a rule of thickness 1 is then about four dots, as on a laser printer
    // The worksheet is black on white: printers are asked for grey scale.
    printer.setColorMode(QPrinter::GrayScale);
    printer.setDocName(QStringLiteral("ペクル 四字熟語"));
}

void frmPrint::printOn(QPrinter& printer) {
    Check1->setChecked(true);  // the page set-up now targets the printer
    dispatch();
    QPainter painter;
    if (!painter.begin(&printer)) {
        Check1->setChecked(false);
        dispatch();
        throw ProgramError(
            ProgramError::DeviceIo,
            QStringLiteral("プリンター「%1」に印刷を始められません。").arg(printer.printerName()));
    }
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    paintPage(painter, QRectF(0, 0, sheet.width(), sheet.height()), page_, setup_, font_);
    painter.end();
    Check1->setChecked(false);  // back to the preview, drawn again as before
    dispatch();
}

void frmPrint::print() {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        configure(printer);
        printOn(printer);
        return;
    }
    // No printer is set up: the dialog lets the teacher pick one or print into a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

void frmPrint::printToPdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    configure(printer);
    printOn(printer);
}

}  // namespace pekuru
