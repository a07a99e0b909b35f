#pragma once

#include <QWidget>

#include "roster/RosterEdit.h"
#include "shell/AppContext.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pekuru {

// The roster registration screen: the names and birth years of the three home roster rows.
class FrmName2 : public QWidget {
    Q_OBJECT
  public:
    explicit FrmName2(AppContext& context, QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void applyFonts();
    void fillBoxes();
    void save();
    void back();

    AppContext& ctx_;
    bool leaving_ = false;

    QGridLayout* grid_ = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1[kRegistrationRows + 1] = {};  // entries 1..3
    QLineEdit* Text2[kRegistrationRows + 1] = {};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace pekuru
