#pragma once
// Gemplus GPM 256 (chip type 0x85): an address counter and one byte at a time.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

inline constexpr CParameterInfo kTargetAddress = Number("Address to increment");

// clang-format off
// Moves the address counter forward to the address given.
struct OBJCOMM_API CSmOpIncToAddr256 : CParameters<kTargetAddress> { using CParameters::CParameters; };
// Writes at the address counter.
struct OBJCOMM_API CSmOpWriteByte256 : CParameters<kByteToWrite> { using CParameters::CParameters; };
// clang-format on
