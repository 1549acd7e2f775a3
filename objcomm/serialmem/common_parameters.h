#pragma once
// Parameters that operations of several chips share.
#include "objcomm/export.h"
#include "objcomm/serialmem/parameter_operation.h"

inline constexpr CParameterInfo kReadAddress = Number("Address from which to read");
inline constexpr CParameterInfo kReadCount = Number("Number of bytes to read");
inline constexpr CParameterInfo kReadCountWord = Number("Number of bytes to read", 2);
inline constexpr CParameterInfo kWriteStart = Number("Address at which to start writing");
inline constexpr CParameterInfo kWriteData = Block("Data to write");
inline constexpr CParameterInfo kByteToWrite = Number("Byte to write");
inline constexpr CParameterInfo kTransportCode1 = Number("Byte 1 of Transport Code");
inline constexpr CParameterInfo kTransportCode2 = Number("Byte 2 of Transport Code");
inline constexpr CParameterInfo kTransportCode3 = Number("Byte 3 of Transport Code");

// SLE 4432/4442 code 4, GPM 896 code 7 and GPM 256 code 3, each named for its chip.
// clang-format off
struct OBJCOMM_API CSmOpWriteBytes4432_896_256 : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
// SLE 4432/4442 code 7, GPM 896 code 8 and GPM 256 code 5, each named for its chip.
struct OBJCOMM_API CSmOpReadBytes4432_896_256 : CParameters<kReadAddress, kReadCount> { using CParameters::CParameters; };
// clang-format on
