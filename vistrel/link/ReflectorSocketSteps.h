#pragma once
// One step of a request on the reflector socket (setting its address, connecting,
// sending). A socket still open from an earlier request refuses the step with 40020:
// it is closed and the step tried again, a bounded number of times. The result is the
// step's last one.
#include "platform/SocketControl.h"

#include <functional>

platform::SocketControl::Result runOnReflectorSocket(platform::SocketControl& socket,
                                                     const std::function<platform::SocketControl::Result()>& step);

// A step of the program's own that the string component or the port's conversion can
// fail with a numbered error (enciphering, reading the port box): its outcome as a
// socket step's result.
platform::SocketControl::Result resultOfStep(const std::function<void()>& step);
