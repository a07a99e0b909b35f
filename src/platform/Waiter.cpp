#include "platform/Waiter.h"

#include <QCoreApplication>
#include <QThread>

namespace pekuru {

void EventLoopWaiter::wait(double seconds) {
    const std::uint32_t start = clock_.tickCount();
    const std::uint32_t span = std::uint32_t(seconds * 1000.0);
    while (std::uint32_t(clock_.tickCount() - start) < span) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);  // a poll, not a busy spin
    }
}

}  // namespace pekuru
