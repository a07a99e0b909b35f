#pragma once

#include <QWidget>

#include "documents/Documents.h"
#include "printing/PrintPath.h"
#include "shell/AppContext.h"
#include "shell/Attempt.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace pekuru {

// The page a family or teacher takes home, previewed on A4 paper and printed on the printer or
// into a PDF file: the progress report of the chosen student (for a teacher also the whole
// roster's list), or the certificate for a level just cleared.
class FrmDocument : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Report, Certificate };
    FrmDocument(AppContext& context, Kind kind, QWidget* parent = nullptr);

    // The certificate's attempt; handed over by the flow before the screen comes up.
    void setAttempt(const Attempt& attempt);
    // Builds the page(s) again from the current figures.
    void refresh();
    // "印刷": the default printer, or the print dialog. "PDFに保存": a file the user names.
    void print();
    void saveAsPdf();
    // Into a PDF file without asking (tests, unattended runs).
    void printToPdf(const QString& path);
    const PaperDocument& document() const;
    // The report's choice for a teacher: the whole roster instead of the chosen student.
    void setWholeRoster(bool whole);
    QString defaultFileName() const;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void layoutControls();
    void showPage(int page);

    AppContext& ctx_;
    Kind kind_;
    Attempt attempt_;
    bool activated_ = false;
    QLabel* titleLabel = nullptr;
    // The report of the chosen student, or (for a teacher) the whole roster's list.
    QRadioButton *studentOption = nullptr, *rosterOption = nullptr;
    PaperPreview* paperView = nullptr;
    QPushButton* previousPageButton = nullptr;
    QLabel* pageLabel = nullptr;  // "1 / 2 ページ"
    QPushButton* nextPageButton = nullptr;
    QLabel* messageLabel = nullptr;
    QPushButton *printButton = nullptr, *savePdfButton = nullptr, *backButton = nullptr;
};

}  // namespace pekuru
