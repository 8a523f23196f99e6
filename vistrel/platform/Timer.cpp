#include "Timer.h"

#include "TimeScale.h"

namespace platform {

Timer::Timer(QObject* parent) : Timer(false, parent)
{
}

Timer::Timer(bool disarmOnTick, QObject* parent) : QObject(parent), disarmOnTick_(disarmOnTick)
{
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setSingleShot(disarmOnTick);
    connect(&clock_, &QTimer::timeout, this, &Timer::onTimeout);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restartCount();
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    restartCount();
}

void Timer::restartCount()
{
    if (enabled_ && interval_ > 0)
        clock_.start(scaledMs(interval_));
    else
        clock_.stop();
}

void Timer::onTimeout()
{
    if (disarmOnTick_) {
        // Disarmed before the handler runs, so the handler may arm it again.
        enabled_ = false;
        interval_ = 0;
        clock_.stop();
    }
    emit tick();
}

} // namespace platform
