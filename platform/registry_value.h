#pragma once
#include "platform/types.h"

// One stored value as it comes out of the registry: name in its first spelling, type, bytes.
struct CRegistryValue {
    CString strName;
    DWORD dwType = 0;
    CByteArray data;
};
