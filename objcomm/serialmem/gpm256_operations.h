#pragma once
// Gemplus GPM 256 (chip type 0x85): an address counter and one byte at a time.
#include "objcomm/serialmem/common_parameters.h"

inline constexpr CParameterInfo kTargetAddress = Number("Address to increment");

// clang-format off
// Moves the address counter forward to the address given.
struct CSmOpIncToAddr256 : CParameters<kTargetAddress> { using CParameters::CParameters; };
// Writes at the address counter.
struct CSmOpWriteByte256 : CParameters<kByteToWrite> { using CParameters::CParameters; };
// clang-format on
