#pragma once

#include <QWidget>

#include "printing/Worksheet.h"
#include "shell/AppContext.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace pekuru {

// The worksheet selection: levels, how many characters to hide, shuffle; the table is rebuilt
// from the idiom file on every change and shown so that the teacher sees the questions.
class FormPrint0 : public QWidget {
    Q_OBJECT
  public:
    explicit FormPrint0(AppContext& context, QWidget* parent = nullptr);

    // Builds the print table from the current choices (the click of "再並べ替え" and every change).
    void rebuild();
    WorksheetChoice choice() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showTable();
    void layoutControls();
    void fitColumns();

    AppContext& ctx_;
    QListWidget* List1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *countLabel_ = nullptr;
    QRadioButton* Option1[6] = {};
    QCheckBox* Check1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    QTableWidget* table_ = nullptr;
    bool rowsPending_ = false;
};

}  // namespace pekuru
