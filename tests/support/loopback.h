#pragma once
#include "platform/sockets.h"

namespace station_test {

// A stream socket bound to a loopback port of the system's choosing and not listening:
// connecting to it is refused until the test calls listen on it.
SOCKET BindLoopback(UINT& nPort);

}  // namespace station_test
