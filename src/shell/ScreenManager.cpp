#include "shell/ScreenManager.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/ProgramError.h"
#include "platform/Waiter.h"

namespace pekuru {

ScreenManager::~ScreenManager() { deleteAll(); }

void ScreenManager::deleteAll() {
    for (auto& [screen, widget] : loaded_) delete widget.data();
    loaded_.clear();
}

void ScreenManager::show(Screen screen) {
    // The next screen takes the place and size of the one in front, so the program feels like
    // one window whose content changes.
    QRect place;
    Qt::WindowStates state = Qt::WindowNoState;
    QWidget* front = QApplication::activeWindow();
    for (const auto& [s, other] : loaded_) {
        if (!other || !other->isVisible() || s == screen) continue;
        if (!place.isValid() || other == front) {
            place = other->geometry();
            state = other->windowState();
        }
    }
    QWidget* w = load(screen);
    const bool wasUp = w->isVisible();
    // A window of its own (the guide) keeps its own place and size.
    if (place.isValid() && !wasUp && !w->property("ownPlace").toBool()) {
        w->setGeometry(place);
        w->setWindowState(state);
    }
    w->show();
    w->raise();
    w->activateWindow();
    if (wasUp) {
        QEvent again(shownAgainEvent());
        QCoreApplication::sendEvent(w, &again);
    }
}

QWidget* ScreenManager::load(Screen screen) {
    if (QWidget* w = loaded(screen)) return w;
    const auto f = factories_.find(screen);
    if (f == factories_.end() || !context_)
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("画面 %1 が登録されていません。").arg(int(screen)));
    QWidget* w = f->second(*context_);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    loaded_[screen] = w;
    return w;
}

QEvent::Type shownAgainEvent() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void ScreenManager::unload(Screen screen) {
    const auto it = loaded_.find(screen);
    if (it == loaded_.end()) return;
    if (QWidget* w = it->second) {
        w->hide();
        w->deleteLater();
    }
    loaded_.erase(it);
}

void ScreenManager::yieldToEvents() { QCoreApplication::processEvents(); }

void ScreenManager::waitForEvents(int milliseconds) { runEventsFor(milliseconds); }

QWidget* ScreenManager::loaded(Screen screen) const {
    const auto it = loaded_.find(screen);
    return it == loaded_.end() ? nullptr : it->second.data();
}

QWidget* makeBareScreen(AppContext& context, const QString& objectName, const QString& caption) {
    auto* w = new QWidget;
    w->setObjectName(objectName);
    w->setWindowTitle(context.g.ProgTitle);
    auto* layout = new QVBoxLayout(w);
    auto* label = new QLabel(caption, w);
    label->setAlignment(Qt::AlignCenter);
    QFont f = label->font();
    f.setPointSize(28);
    label->setFont(f);
    layout->addWidget(label);
    w->resize(1024, 768);
    return w;
}

}  // namespace pekuru
