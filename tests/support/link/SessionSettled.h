#pragma once
// Waits until the reflector session has nothing left to do: no login, no logout, no
// request or step on its way. Then lets the steps that their ends queued (the rest of
// a Connect, a shut-down) run. The limit is a test's own, in real milliseconds.
#include "RealTimeWait.h"

#include "link/ReflectorSession.h"

#include <QCoreApplication>

inline bool sessionSettled(int limitMs = 30000)
{
    const bool settled =
        waitRealTime([] { return !reflectorSession().busy() && !reflectorSession().requestsPending(); }, limitMs);
    QCoreApplication::processEvents();
    return settled;
}
