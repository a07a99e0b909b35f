#pragma once

#include <QWidget>

#include "shell/AppContext.h"
#include "shell/Attempt.h"
#include "shell/ScreenKit.h"

class QLabel;
class QPushButton;
class QTimer;
class QFrame;

namespace pekuru {

// The finish screen: the time just made, its points, today's attempts, the record message with
// its fanfare, the level-cleared notices, then "もう一度" or "メニューへ".
class FrmSyuuryou : public QWidget {
    Q_OBJECT
  public:
    explicit FrmSyuuryou(AppContext& context, QWidget* parent = nullptr);

    QTimer* Timer1 = nullptr;
    // The attempt to show and what recording it found; handed over before the screen comes up.
    void setAttempt(const Attempt& attempt, const AttemptOutcome& outcome) {
        attempt_ = attempt;
        outcome_ = outcome;
    }
    // Activation: recomputes and redraws; the message and fanfares come on the first one only.
    void activate();
    void timer1Fired();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layoutControls();
    void yield();

    AppContext& ctx_;
    Attempt attempt_;
    AttemptOutcome outcome_;
    bool cleared_ = false;
    bool messageShown_ = false;
    // Again after another window was in front; the record message and its fanfare come on the first only.
    ScreenActivation activation_;
    int NoTargetLevel = 0;
    QLabel *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr;
    QLabel *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr, *Label2 = nullptr, *Label1 = nullptr;
    QFrame* Picture1 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command6 = nullptr;
};

}  // namespace pekuru
