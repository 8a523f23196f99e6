#pragma once
// A timer whose tick disarms it: after the tick it is disabled with interval 0, so
// each arming ("Enabled, then interval") fires exactly once. Used for the waits and
// delayed steps that end with one tick.
#include "Timer.h"

namespace platform {

class OneShotTimer : public Timer {
    Q_OBJECT
public:
    explicit OneShotTimer(QObject* parent = nullptr) : Timer(true, parent) {}
};

} // namespace platform
