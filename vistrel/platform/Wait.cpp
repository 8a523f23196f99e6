#include "Wait.h"

#include "NetworkInput.h"
#include "TimeScale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace platform {

bool waitUntil(const std::function<bool()>& condition, int limitMs)
{
    checkNoNestedLoop("A wait");
    const int limit = scaledMs(limitMs);
    QElapsedTimer clock;
    clock.start();

    // Its timeout needs no handler: arriving as an event, it wakes the blocked loop.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);

    while (!condition()) {
        if (limit >= 0) {
            const qint64 remaining = limit - clock.elapsed();
            if (remaining <= 0)
                return false;
            if (!deadline.isActive())
                deadline.start(int(remaining));
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace platform
