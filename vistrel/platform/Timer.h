#pragma once
// A timer as the windows use it: two properties, enabled and interval, and a tick.
// It ticks every interval milliseconds while it is enabled and the interval is
// positive. Setting the interval, to any value, starts the count afresh, so the last
// setting decides when the next tick comes. A new timer is enabled with interval 0,
// so setting an interval alone starts it.
//
// Intervals are real milliseconds; the running count is scaled by the time scale
// (TimeScale.h) so that tests can shorten it.
#include <QObject>
#include <QTimer>

namespace platform {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    int interval() const { return interval_; }
    void setInterval(int ms);

signals:
    void tick();

protected:
    // For timers whose tick disarms them (OneShotTimer).
    Timer(bool disarmOnTick, QObject* parent);

private:
    void restartCount();
    void onTimeout();

    QTimer clock_;
    bool enabled_ = true;
    int interval_ = 0;
    bool disarmOnTick_ = false;
};

} // namespace platform
