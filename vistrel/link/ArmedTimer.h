#pragma once
// Arms one of the session's one-shot timers for a wait and disarms it when the wait
// is over, also when the wait ended before the tick.
#include "platform/OneShotTimer.h"

class ArmedTimer {
public:
    ArmedTimer(platform::OneShotTimer& timer, int intervalMs) : timer_(timer)
    {
        timer_.setEnabled(true);
        timer_.setInterval(intervalMs);
    }
    ~ArmedTimer()
    {
        timer_.setEnabled(false);
        timer_.setInterval(0);
    }
    ArmedTimer(const ArmedTimer&) = delete;
    ArmedTimer& operator=(const ArmedTimer&) = delete;

private:
    platform::OneShotTimer& timer_;
};
