#pragma once
#include "platform/sockets.h"

namespace station_test {

// A stream socket bound to a free port of 127.0.0.1 and not listening: connecting to it is
// refused until the test calls listen on it. The port is the system's choice, or with
// bBelow32000 one from 20000 to 31999, since the dialog takes ports up to 32000 only and the
// system hands out ports from 32768 up.
SOCKET BindLoopback(UINT& nPort, bool bBelow32000 = false);

}  // namespace station_test
