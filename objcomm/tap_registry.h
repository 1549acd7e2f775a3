#pragma once
#include "objcomm/connection_tap.h"

// The taps of connections, kept beside them rather than in them: CObjCommConnection keeps
// the size and layout that programs built against libobjcomm.so.2 allocate.
// Sets or, with null, removes the tap of pConnection.
void AttachTap(const void* pConnection, CConnectionTap* pTap);
// The tap of pConnection; null when it has none. Costs one atomic load while no connection
// of the process has a tap.
CConnectionTap* FindTap(const void* pConnection);
