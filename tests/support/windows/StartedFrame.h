#pragma once
// The frame window loaded and its start-up over: the start-up sequence goes on from
// the event loop once the reflector address fetch has ended, so a test that looks at
// what its later steps did waits for its last step first.
#include "TestWindows.h"
#include "frame/FrameWindow.h"

#include <QSignalSpy>

inline FrameWindow& startedFrame()
{
    FrameWindow& frame = testWindows().frames.frame();
    if (frame.startingUp()) {
        QSignalSpy finished(&frame, &FrameWindow::startupFinished);
        if (!finished.wait(10000))
            qWarning("The frame's start-up did not finish");
    }
    return frame;
}
