#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// The 8-bit wrap-around sum that closes every frame: what the writer appends and the reader
// compares.
OBJCOMM_API BYTE ComputeChecksum(const BYTE* pBytes, size_t nCount);
