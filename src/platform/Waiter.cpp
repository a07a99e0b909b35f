#include "platform/Waiter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace pekuru {

void runEventsFor(int milliseconds) {
    if (milliseconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // A loop of its own that a precise timer ends: the thread blocks in the event dispatcher
    // until something happens, instead of asking again and again.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
}

void EventLoopWaiter::wait(double seconds) {
    const std::uint32_t start = clock_.tickCount();
    const std::uint32_t span = std::uint32_t(seconds * 1000.0);
    for (;;) {
        const std::uint32_t passed = clock_.tickCount() - start;
        if (passed >= span) return;
        runEventsFor(int(span - passed));
    }
}

}  // namespace pekuru
