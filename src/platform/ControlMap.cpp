#include "platform/ControlMap.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#if QT_CONFIG(accessibility)
#include <QAccessible>
#endif

namespace pekuru {

namespace {

// Longer lists and texts are left out or cut: the map is rewritten five times a second.
constexpr int kMaxItems = 500;
constexpr int kMaxText = 4000;

// A rectangle of `w` (in its own coordinates) on the screen in device pixels. Qt keeps each screen's
// top-left corner the same in both its coordinate systems and scales about it.
QJsonArray deviceRect(const QWidget* w, const QRect& local) {
    const QPoint topLeft = w->mapToGlobal(local.topLeft());
    const QWindow* window = w->window()->windowHandle();
    const qreal ratio = window ? window->devicePixelRatio() : 1.0;
    const QScreen* screen = w->screen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const auto scale = [ratio](int v) { return int(std::lround(v * ratio)); };
    return QJsonArray{origin.x() + scale(topLeft.x() - origin.x()),
                      origin.y() + scale(topLeft.y() - origin.y()), scale(local.width()),
                      scale(local.height())};
}

QString shownText(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->displayText();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (const auto* t = qobject_cast<const QTextEdit*>(w)) return t->toPlainText().left(kMaxText);
    if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText().left(kMaxText);
    return {};
}

// The rows of a list (its first column) that are on screen, as a screen reader lists them.
QJsonArray viewItems(const QAbstractItemView* view) {
    QJsonArray items;
    const QAbstractItemModel* model = view->model();
    if (!model || model->rowCount(view->rootIndex()) > kMaxItems) return items;
    const QRect shown = view->viewport()->rect();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        const QRect r = view->visualRect(index);
        if (!r.intersects(shown)) continue;
        const QString text = index.data(Qt::DisplayRole).toString();
        const QString spoken = index.data(Qt::AccessibleTextRole).toString();
        items.append(QJsonObject{{QStringLiteral("text"), text},
                                 {QStringLiteral("name"), spoken.isEmpty() ? text : spoken},
                                 {QStringLiteral("rect"), deviceRect(view->viewport(), r)}});
    }
    return items;
}

QJsonArray menuItems(const QWidget* menu, const QList<QAction*>& actions,
                     const std::function<QRect(QAction*)>& geometry) {
    QJsonArray items;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString text = a->text();
        items.append(QJsonObject{{QStringLiteral("text"), text},
                                 {QStringLiteral("name"), QString(text).remove(QLatin1Char('&'))},
                                 {QStringLiteral("enabled"), a->isEnabled()},
                                 {QStringLiteral("rect"), deviceRect(menu, geometry(a))}});
    }
    return items;
}

QJsonObject describeWidget(QWidget* w) {
    QString role, name = w->accessibleName(), description = w->accessibleDescription();
#if QT_CONFIG(accessibility)
    // The name and role a screen reader gets: a button's name is its text without the mnemonic, a
    // label's its text, unless an accessible name was given.
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w)) {
        role = QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()));
        name = iface->text(QAccessible::Name);
        description = iface->text(QAccessible::Description);
    }
#endif
    QJsonObject o{{QStringLiteral("objectName"), w->objectName()},
                  {QStringLiteral("class"), QString::fromLatin1(w->metaObject()->className())},
                  {QStringLiteral("role"), role},
                  {QStringLiteral("name"), name},
                  {QStringLiteral("description"), description},
                  {QStringLiteral("text"), shownText(w)},
                  {QStringLiteral("enabled"), w->isEnabled()},
                  {QStringLiteral("rect"), deviceRect(w, w->rect())}};
    QJsonArray items;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
        items = viewItems(view);
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
        items = menuItems(bar, bar->actions(), [bar](QAction* a) { return bar->actionGeometry(a); });
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        items = menuItems(menu, menu->actions(), [menu](QAction* a) { return menu->actionGeometry(a); });
    }
    if (!items.isEmpty()) o.insert(QStringLiteral("items"), items);
    return o;
}

}  // namespace

std::unique_ptr<ControlMap> ControlMap::fromEnvironment() {
    const QString path = qEnvironmentVariable("PEKURU_CONTROL_MAP");
    if (path.isEmpty()) return nullptr;
    return std::make_unique<ControlMap>(path);
}

ControlMap::ControlMap(const QString& path, int intervalMs) : path_(path) {
    if (intervalMs > 0) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { refresh(); });
        timer_.start(intervalMs);
    }
}

QByteArray ControlMap::describe() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) windows.append(w);
    // The application keeps its windows in no particular order; a fixed one keeps an unchanged
    // screen from looking changed.
    std::sort(windows.begin(), windows.end(), std::less<QWidget*>());
    QJsonArray shown;
    for (QWidget* window : windows) {
        QJsonObject o = describeWidget(window);
        o.insert(QStringLiteral("title"), window->windowTitle());
        o.insert(QStringLiteral("active"), window->isActiveWindow());
        o.insert(QStringLiteral("modal"), window->isModal());
        QJsonArray widgets;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            // Windows of their own (dialogs parented to this one) are listed as windows.
            if (child->isVisible() && child->window() == window) widgets.append(describeWidget(child));
        }
        o.insert(QStringLiteral("widgets"), widgets);
        shown.append(o);
    }
    const QJsonObject map{{QStringLiteral("pid"), qint64(QCoreApplication::applicationPid())},
                          {QStringLiteral("windows"), shown}};
    return QJsonDocument(map).toJson(QJsonDocument::Indented);
}

bool ControlMap::refresh() {
    const QByteArray now = describe();
    if (now == written_) return false;
    // A reader sees the old map or the new one, never part of one.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(now) != now.size() || !file.commit()) {
        const QString error = file.errorString();
        if (error != lastError_) {
            std::fprintf(stderr, "ペクル: 画面の一覧『%s』を書けません (%s)。\n",
                         QDir::toNativeSeparators(path_).toUtf8().constData(), error.toUtf8().constData());
            lastError_ = error;
        }
        return false;
    }
    written_ = now;
    lastError_.clear();
    return true;
}

}  // namespace pekuru
