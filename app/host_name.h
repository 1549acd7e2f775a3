#pragma once
#include "platform/types.h"

// This PC's host name as the sockets layer reports it, upper-cased with bUpperCase. When
// the host-name call fails the name is the empty text.
CString GetHostComputerName(bool bUpperCase);
