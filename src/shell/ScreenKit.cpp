#include "shell/ScreenKit.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pekuru {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, Qt::Alignment alignment) {
    auto* l = named(new QLabel(text, parent), name);
    l->setAlignment(alignment);
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text) {
    auto* b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(true);
    return b;
}

void setPointSize(QWidget* w, double points, bool bold) {
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}

void fitText(QWidget* w, const QString& text, double points, bool bold) {
    QFont f = w->font();
    f.setBold(bold);
    const auto* label = qobject_cast<QLabel*>(w);
    const bool wraps = label && label->wordWrap();
    const QRect box = label ? label->contentsRect() : w->rect();
    if (wraps) {
        // One line reads best: a little smaller on one line before breaking in mid-phrase.
        for (double pt = points; pt > points * 0.75; pt *= 0.94) {
            f.setPointSizeF(pt);
            const QFontMetrics fm(f);
            if (fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height()) {
                w->setFont(f);
                return;
            }
        }
    }
    for (double pt = points; pt > 5; pt *= 0.94) {
        f.setPointSizeF(pt);
        const QFontMetrics fm(f);
        const QSize need =
            wraps ? fm.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text).size()
                  : QSize(fm.horizontalAdvance(text), fm.height());
        if (need.width() <= box.width() && need.height() <= box.height()) break;
    }
    w->setFont(f);
}

void setFittedSize(QLabel* label, double points, bool bold) {
    label->setProperty("pekuruPoints", points);
    label->setProperty("pekuruBold", bold);
    refit(label);
}

void refit(QLabel* label) {
    const QVariant points = label->property("pekuruPoints");
    if (points.isValid())
        fitText(label, label->text(), points.toDouble(), label->property("pekuruBold").toBool());
}

QColor bgrColour(Long value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

void paintBackground(QWidget* w, const QColor& window, const QColor& text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, window);
    if (text.isValid()) pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

namespace {

constexpr const char* kRoleProperty = "pekuruAccessibleRole";

QAccessibleInterface* roleAccessible(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    const QVariant role = w->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(w, QAccessible::Role(role.toInt()));
}

}  // namespace

void setAccessibleRole(QWidget* w, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(roleAccessible);
        return true;
    }();
    (void)factoryInstalled;
    w->setProperty(kRoleProperty, int(role));
}

void describe(QWidget* w, const QString& name, QAccessible::Role role, const QString& description) {
    setAccessibleRole(w, role);
    w->setAccessibleName(name);
    if (!description.isEmpty()) w->setAccessibleDescription(description);
}

void renameAccessible(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) w->setAccessibleName(name);
}

WaitPanel::WaitPanel(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setStyleSheet(QStringLiteral("#%1 { background: rgba(0, 96, 96, 225); }").arg(name));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    text_ = makeLabel(this, name + QStringLiteral("Text"), kWaitWords, Qt::AlignCenter);
    text_->setStyleSheet(QStringLiteral("color: white;"));
    setGothic(text_, 24, true);
    layout->addWidget(text_);
    bar_ = named(new QProgressBar(this), QStringLiteral("progressBar"));
    bar_->setTextVisible(false);
    bar_->setFixedHeight(22);
    layout->addWidget(bar_, 0, Qt::AlignHCenter);
    bar_->setFixedWidth(360);
    layout->addStretch(1);
    setVisible(false);
}

void WaitPanel::start(int steps, const QRect& area) {
    bar_->setRange(0, std::max(1, steps));
    bar_->setValue(0);
    setGeometry(area);
    raise();
    show();
    repaint();
}

void WaitPanel::step() {
    if (!isVisible()) return;
    bar_->setValue(std::min(bar_->maximum(), bar_->value() + 1));
    bar_->repaint();
}

void WaitPanel::finish() {
    bar_->setValue(bar_->maximum());
    hide();
}

void WaitPanel::cover(const QRect& area) {
    setGeometry(area);
    raise();
    show();
}

void WaitPanel::scale(double sx, double sy, double u) {
    bar_->setFixedSize(int(360 * sx), int(22 * sy));
    setGothic(text_, 24 * u, true);
}

ScreenActivation::ScreenActivation(QWidget* screen, std::function<void()> activate, Left left, Again again,
                                   std::function<bool()> mayRepeat)
    : screen_(screen),
      activate_(std::move(activate)),
      left_(left),
      again_(again),
      mayRepeat_(std::move(mayRepeat)) {}

void ScreenActivation::seen(QEvent::Type type) {
    switch (type) {
        case QEvent::Show:
            if (!ranOnce_)
                QTimer::singleShot(0, screen_, [this] {
                    if (!ranOnce_) activate_();
                });
            break;
        case QEvent::WindowDeactivate: {
            // Coming back from another screen of this program (the print screen, say) must show
            // what changed there; coming back from another program need not.
            const QWidget* front = QApplication::activeWindow();
            if (left_ == Left::ForAnyWindow || (front && front != screen_)) leftSinceRun_ = true;
            break;
        }
        case QEvent::WindowActivate:
            if (!ranOnce_ || !leftSinceRun_ || (mayRepeat_ && !mayRepeat_())) break;
            if (again_ == Again::AtOnce)
                activate_();
            else
                QTimer::singleShot(0, screen_, [this] { activate_(); });
            break;
        default:
            break;
    }
}

void ScreenActivation::ran() {
    ranOnce_ = true;
    leftSinceRun_ = false;
}

}  // namespace pekuru
