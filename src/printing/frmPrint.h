#pragma once

#include <QWidget>
#include <memory>

#include "printing/PrintLayout.h"
#include "shell/AppContext.h"

class QCheckBox;
class QPushButton;
class QPrinter;

namespace pekuru {

// The page as the print screen shows it: white paper in its proportions, the table drawn on it.
class PagePreview : public QWidget {
    Q_OBJECT
  public:
    explicit PagePreview(QWidget* parent = nullptr);
    void setPage(const LaidOutPage& page, const PageSetup& setup, const QFont& font);
    // What the preview shows now.
    const LaidOutPage& page() const { return page_; }
    // The paper's rectangle inside the widget.
    QRectF paperRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LaidOutPage page_;
    PageSetup setup_;
    QFont font_;
};

// The print screen: lays the print table out on an A4 page, previews it and prints it.
class frmPrint : public QWidget {
    Q_OBJECT
  public:
    explicit frmPrint(AppContext& context, QWidget* parent = nullptr);
    ~frmPrint() override;

    // Draws the table on `printer` (already set up for A4 and the orientation).
    void printOn(QPrinter& printer);
    // "印刷": prints to the default printer, or through the print dialog (which also offers a PDF
    // file) when none is set up; then the preview is drawn again as it was.
    void print();
    // Prints into a PDF file without asking (for tests and unattended runs).
    void printToPdf(const QString& path);
    const LaidOutPage& page() const { return page_; }
    PageSetup setup() const { return setup_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void pageSetup();
    void dispatch();
    void configure(QPrinter& printer) const;

    AppContext& ctx_;
    PageSetup setup_;
    LaidOutPage page_;
    QFont font_;
    PagePreview* Picture1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;
    QPushButton *Command9 = nullptr, *Command8 = nullptr, *Command1 = nullptr, *Command11 = nullptr;
};

}  // namespace pekuru
