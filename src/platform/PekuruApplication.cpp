#include "platform/PekuruApplication.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ShownReport.h"

namespace pekuru {

PekuruApplication::PekuruApplication(int& argc, char** argv)
    : QApplication(argc, argv), controlMap_(ControlMap::fromEnvironment()) {}

bool PekuruApplication::notify(QObject* receiver, QEvent* event) {
    try {
        const bool handled = QApplication::notify(receiver, event);
        reportFirstShown(receiver, event);
        return handled;
    } catch (const ProgramExit& e) {
        endWith(e);
    } catch (const std::exception& e) {
        endWith(ProgramError(51, QStringLiteral("内部エラー: %1").arg(QString::fromLocal8Bit(e.what()))));
    } catch (...) {
        endWith(ProgramError(51, QStringLiteral("内部エラー: 不明な例外")));
    }
}

void PekuruApplication::runGuarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const ProgramExit& e) {
        endWith(e);
    } catch (const std::exception& e) {
        endWith(ProgramError(51, QStringLiteral("内部エラー: %1").arg(QString::fromLocal8Bit(e.what()))));
    }
}

void PekuruApplication::endWith(const ProgramExit& exit) {
    static bool ending = false;  // a box shown while ending must not start a second ending
    if (!ending) {
        ending = true;
        const auto icon = exit.icon() == ProgramExit::Icon::Critical ? MessageService::Icon::Critical
                                                                     : MessageService::Icon::Information;
        if (messages_) {
            messages_->showMessage(icon, exit.title(), exit.text());
        } else {
            StderrMessageService().showMessage(icon, exit.title(), exit.text());
        }
    }
    std::fflush(nullptr);
    std::_Exit(exit.exitCode());
}

}  // namespace pekuru
