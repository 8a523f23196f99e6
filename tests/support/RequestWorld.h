#pragma once
// What a test of a window's requests needs: the frame's world with the main window
// loaded, and a fake reflector on 127.0.0.1 that the requests go to, as a login to it
// would have left them.
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "ReflectorAt.h"

#include "directory/MainWindow.h"
#include "ui/Forms.h"

class RequestWorld {
public:
    RequestWorld()
    {
        ui::form<MainWindow>();
        if (reflector_.listen()) {
            reflector_.setQuietGapMs(10);
            useReflector(reflector_.port());
        }
    }

    bool listening() const { return reflector_.port() != 0; }
    FrameWorld& frame() { return frame_; }
    FakeReflector& reflector() { return reflector_; }

private:
    FrameWorld frame_;
    FakeReflector reflector_; // ends before the frame's world
};
