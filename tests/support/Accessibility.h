#pragma once

// What a screen reader learns about a screen, read through Qt's accessibility interface.
#include <QAccessible>
#include <QString>
#include <QStringList>

class QWidget;

namespace pekuru::test {

QString accessibleName(QWidget* widget);
QAccessible::Role accessibleRole(QWidget* widget);

// The visible controls under `screen` (buttons, lists, edits, boxes, labels with text or a picture)
// whose accessible name is empty, as "objectName (class)". A finished screen gives an empty list.
QStringList controlsWithoutName(QWidget* screen);

// The object names of the controls that Tab visits once round, starting from the control that has
// the focus (or, when none has, the first in the chain that takes focus by Tab). The screen must be
// shown and active.
QStringList focusOrder(QWidget* screen);

}  // namespace pekuru::test
