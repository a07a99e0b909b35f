#pragma once

#include <QStringList>
#include <QWidget>

#include "shell/AppContext.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace pekuru {

class ScaledComboStyle;

// The name selection screen: the first screen of the program. Its handlers call the name list
// logic (NameList.h) and the level set-up; the lists themselves live in its controls.
class namesel : public QWidget {
    Q_OBJECT
  public:
    explicit namesel(AppContext& context, QWidget* parent = nullptr);

    // The load handler: layout, colour, then the single-instance test. Returns false when another
    // copy is running (the refusal has been shown and the program must end).
    bool load();

    // Rebuilds the lists for the current display mode and grade filter text.
    void 名簿表示();

    // The hidden lists: List2 one line per shown roster row, List3 the line of List1 entry i in
    // entry i − 1.
    const QStringList& hiddenList2() const { return List2; }
    const QStringList& hiddenList3() const { return List3; }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void buildMenu();
    QVBoxLayout* buildSidePanel();
    QHBoxLayout* buildFooter();
    void applyFonts();
    void fitListFont();
    void activate();
    void fillFilter();
    void chooseFilter(int index);
    void typedFilter();
    void chooseMode(int mode);
    void markMode();
    void clickEntry(int row);
    void doubleClickEntry(QListWidgetItem* item);
    void confirm();
    void digitKey(int digit);
    void leave();
    void openHelp();
    void showAbout(bool centred);
    void openRegistration();
    void openPrinting();

    AppContext& ctx_;
    int HyoujiMode = 0;
    QString shownFilter_;  // the filter text the list was last built with

    QMenuBar* menuBar_ = nullptr;
    QAction* mnuNameChange = nullptr;
    QAction* mnuPhotos = nullptr;
    QAction* mnuEnd = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuVersion = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image1 = nullptr;
    QComboBox* Combo1 = nullptr;
    ScaledComboStyle* comboStyle_ = nullptr;
    QRadioButton* Option1[4] = {};
    QListWidget* List1 = nullptr;
    QStringList List2;
    QStringList List3;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command14 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command7 = nullptr;
    QLabel* Picture5 = nullptr;
};

// The refusal shown to a second copy.
QString secondInstanceMessage();

}  // namespace pekuru
