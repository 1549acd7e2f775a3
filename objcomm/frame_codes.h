#pragma once
#include "platform/types.h"

// The first bytes of the two long frame forms; any other first byte is the command of a
// short-form frame.
inline constexpr BYTE kLongForm16 = 0x00;
inline constexpr BYTE kLongForm32 = 0x02;

inline bool IsLongForm(BYTE first) { return first == kLongForm16 || first == kLongForm32; }

// The command codes that framing, the factory and the simulated server single out.
inline constexpr BYTE kRegisterDevice = 0x06;
inline constexpr BYTE kPassThrough = 0x0A;
inline constexpr BYTE kHealthCheck = 0x99;
inline constexpr BYTE kError = 0xFF;
