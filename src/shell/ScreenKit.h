#pragma once

// What the screens share: controls made and named in one step, fonts at the screen's scale, the
// program's colours, names for drawn parts that screen readers cannot see, the wait panel and the
// activation of a screen when it comes up.
#include <QAccessible>
#include <QColor>
#include <QEvent>
#include <QFrame>
#include <QString>
#include <functional>

#include "shell/GlobalState.h"
#include "shell/ScreenScale.h"

class QEvent;
class QLabel;
class QPushButton;
class QProgressBar;

namespace pekuru {

// Sent to a screen that is shown again while it is already up (brought to the front by the flow).
// Such a showing is an activation like any other, but the window system may report none: the
// screen may already be the active window, or there may be no window manager to hand it the focus.
QEvent::Type shownAgainEvent();

// Controls are looked up by their names (tests, screen-reader scripts), so each is named as it is made.
template <typename T>
T* named(T* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

// A box drawn for the 1024 × 768 design, stretched by the window's scales across and down.
inline QRect scaledRect(double x, double y, double w, double h, double sx, double sy) {
    return QRect(int(x * sx), int(y * sy), int(w * sx), int(h * sy));
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString(),
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A push button that Enter presses when it has the focus, as Space does.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text);
// `w`'s own face at `points`, bold or not.
void setPointSize(QWidget* w, double points, bool bold = false);

// The largest size up to `points` at which `text` fits `w`'s box on one line (or, for a label that
// wraps, within its box's height), so that no word is cut off at any window size.
void fitText(QWidget* w, const QString& text, double points, bool bold = false);

// For a label whose text changes: fits it now, and remembers the size so that refit() fits each
// new text the same way.
void setFittedSize(QLabel* label, double points, bool bold = false);
void refit(QLabel* label);

// The backdrop that the fixed-colour screens stand on.
inline const QColor kBackdropColour{0xf4, 0xf1, 0xe6};

// The settings keep colours as 0x00BBGGRR.
QColor bgrColour(Long value);

// Fills `w`'s background with `window`; `text`, when given, is the colour of its words.
void paintBackground(QWidget* w, const QColor& window, const QColor& text = QColor());

// A drawn part (a shape, a chart, a page) has no text of its own: a screen reader is told what it is.
void setAccessibleRole(QWidget* w, QAccessible::Role role);
void describe(QWidget* w, const QString& name, QAccessible::Role role, const QString& description = {});
// Sets the name only when it changes: a screen reader announces every change.
void renameAccessible(QWidget* w, const QString& name);

inline const QString kWaitWords = QStringLiteral("Just a moment, please.");

// A panel that covers part of a screen while it is busy: the words and a bar that fills step by
// step. Its words are the child `<name>Text`, the bar `progressBar`.
class WaitPanel : public QFrame {
  public:
    WaitPanel(const QString& name, QWidget* parent);
    // Covers `area` with an empty bar of `steps` steps, drawn at once (the work runs without events).
    void start(int steps, const QRect& area);
    void step();
    void finish();
    // Covers `area` with the bar as it is, for work whose steps are not counted.
    void cover(const QRect& area);
    // Sizes the bar and the words at the screen's scale.
    void scale(double sx, double sy, double u);

  private:
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

// A screen's activation: it runs once as soon as the screen is shown, whether or not the window
// manager hands it the focus, and again when the screen comes back to the front after it was
// left. The screen passes every event on after its own handling, and its activation calls ran().
class ScreenActivation {
  public:
    // What counts as leaving: any other window in front, or only another window of this program
    // (not another program).
    enum class Left { ForAnyWindow, ForOwnWindow };
    // Whether a renewed activation runs within the activation event or once it is handled.
    enum class Again { AtOnce, Deferred };

    ScreenActivation(QWidget* screen, std::function<void()> activate, Left left, Again again,
                     std::function<bool()> mayRepeat = {});
    // After the screen has handled an event of this type. The screen takes the type before it
    // hands the event on: a deferred delete ends the screen, and with it this object.
    void seen(QEvent::Type type);
    // The activation has run: the screen is up to date until it is left again.
    void ran();

  private:
    QWidget* screen_;
    std::function<void()> activate_;
    Left left_;
    Again again_;
    std::function<bool()> mayRepeat_;
    bool ranOnce_ = false;
    bool leftSinceRun_ = false;
};

}  // namespace pekuru
