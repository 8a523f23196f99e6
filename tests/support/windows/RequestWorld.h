#pragma once
// What a test of a window's requests needs: the frame's world with the main window
// loaded, and a fake reflector on 127.0.0.1 that the requests go to, as a login to it
// would have left them. The user settings window is set not to open at start-up, so
// it never takes the activation from the window under test.
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "ReflectorAt.h"

#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "link/ShowformFile.h"

class RequestWorld {
public:
    RequestWorld()
    {
        writeShowformFile(false);
        testWindows().main();
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
