#pragma once
// A timer whose tick disarms it: after the tick it is disabled with interval 0, so
// each arming (start(), or "Enabled, then interval") fires exactly once. Used for the waits and
// delayed steps that end with one tick.
#include "Timer.h"

namespace platform {

class OneShotTimer : public Timer {
    Q_OBJECT
public:
    explicit OneShotTimer(QObject* parent = nullptr) : Timer(true, parent) {}

    // Arms the timer to tick once, intervalMs from now.
    void start(int intervalMs)
    {
        setEnabled(true);
        setInterval(intervalMs);
    }
    // Disarms it, also before its tick.
    void stop()
    {
        setEnabled(false);
        setInterval(0);
    }
};

} // namespace platform
