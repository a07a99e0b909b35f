#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "printing/PaperDocument.h"

class QPrinter;

namespace pekuru {

// The one road every printed page of the program takes: the default printer when one is set up,
// else the print dialog, which also offers a PDF file; or straight into a PDF file.

// Prints with `draw` on an A4 printer set up by `setUp`. False when nothing was printed (the
// dialog was cancelled).
bool printThroughDefaultOrDialog(QWidget* parent, const std::function<void(QPrinter&)>& setUp,
                                 const std::function<void(QPrinter&)>& draw);
// Prints into a PDF file without asking.
void printToPdfFile(const QString& path, const std::function<void(QPrinter&)>& setUp,
                    const std::function<void(QPrinter&)>& draw);

// Prints every page of `document` on `printer` (A4, the document's orientation). False when the
// printer could not be started (nothing was printed).
bool printDocument(const PaperDocument& document, QPrinter& printer);
void setUpForDocument(const PaperDocument& document, QPrinter& printer);

// The paper as the screen shows it: white, in its proportions, one page at a time.
class PaperPreview : public QWidget {
    Q_OBJECT
  public:
    explicit PaperPreview(QWidget* parent = nullptr);
    void setDocument(PaperDocument document);
    void setPage(int page);
    int page() const { return page_; }
    const PaperDocument& document() const { return document_; }
    QRectF paperRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PaperDocument document_;
    int page_ = 0;
};

}  // namespace pekuru
