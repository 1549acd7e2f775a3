#pragma once
#include "platform/types.h"

inline constexpr char kUnknownOperation[] = "Unknown Operation";

// The name of the operation that a code means under a chip type, kUnknownOperation when it
// means none. Classes that serve several chips or codes are named by the one they serve.
const char* GetOperationName(int nChipType, BYTE nCode);
