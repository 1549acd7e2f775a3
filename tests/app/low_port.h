#pragma once
// The dialog takes Object Communicator ports from 1 to 32000 only, and the ports the system
// hands out for port 0 lie above that (32768 and up on Linux). So the servers these tests
// start take a free loopback port below 32000 that the tests find themselves.
#include "platform/sockets.h"

namespace station_test {

// A stream socket bound to a free port of 127.0.0.1 from 20000 to 31999, not listening:
// connections to it are refused until someone listens on it.
SOCKET BindLowLoopbackPort(UINT& nPort);

}  // namespace station_test
