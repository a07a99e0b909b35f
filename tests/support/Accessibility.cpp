#include "support/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace pekuru::test {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QAccessible::Role accessibleRole(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->role() : QAccessible::NoRole;
}

namespace {

bool isControl(QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
        qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w))
        return true;
    if (auto* label = qobject_cast<QLabel*>(w)) return !label->text().isEmpty() || !label->pixmap().isNull();
    return w->focusPolicy() != Qt::NoFocus;
}

}  // namespace

QStringList controlsWithoutName(QWidget* screen) {
    QStringList missing;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(screen) || !isControl(w)) continue;
        // The inner parts of a composite control (a list's viewport, a box's line edit) speak for it.
        if (qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
            qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        if (accessibleName(w).trimmed().isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                     QString::fromLatin1(w->metaObject()->className()));
    }
    return missing;
}

namespace {

// Whether Tab stops at `w`. As in Qt itself, a part that hands its focus on (an editable box's
// line edit) is no stop of its own. Of a group of exclusive choices Qt leaves only the chosen one
// with Tab focus (the arrow keys move within the group), so the focus policy says it all.
bool isTabStop(QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

}  // namespace

QStringList focusOrder(QWidget* screen) {
    QWidget* first = screen->focusWidget();
    if (first && !isTabStop(first)) first = nullptr;
    for (QWidget* w = screen->nextInFocusChain(); !first && w && w != screen; w = w->nextInFocusChain())
        if (isTabStop(w)) {
            first = w;
            break;
        }
    QStringList order;
    if (!first) return order;
    first->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QWidget* current = QApplication::focusWidget();
    for (int guard = 0; current && guard < 500; ++guard) {
        order << current->objectName();
        // What Tab does: the next control in the chain that takes focus by Tab.
        QWidget* next = current->nextInFocusChain();
        while (next && next != current && !(isTabStop(next) && screen->isAncestorOf(next)))
            next = next->nextInFocusChain();
        if (!next || next == current) break;
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        current = QApplication::focusWidget();
        if (current == first) break;
    }
    return order;
}

}  // namespace pekuru::test
