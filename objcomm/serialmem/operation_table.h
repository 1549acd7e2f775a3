#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// The name of an operation that a chip type does not have.
inline constexpr char kUnknownOperation[] = "Unknown Operation";

// The name of the operation that a code means under a chip type, kUnknownOperation when it
// means none. Classes that serve several chips or codes are named by the one they serve.
OBJCOMM_API const char* GetOperationName(int nChipType, BYTE nCode);
