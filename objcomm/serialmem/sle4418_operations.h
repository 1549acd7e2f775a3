#pragma once
// Siemens SLE 4418/4428 (chip type 0x81): 16-bit addressed memory with a protect bit per
// byte and a two-byte PIN.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

// The codes of Write Memory and Read Memory: with or without the protect bit.
extern OBJCOMM_API const CTextTable kWriteCodes4418;
extern OBJCOMM_API const CTextTable kReadCodes4418;

inline constexpr CParameterInfo kOldPin = Number("Old PIN", 2);
inline constexpr CParameterInfo kNewPin = Number("New PIN", 2);
inline constexpr CParameterInfo kCurrentPin = Number("Current PIN", 2);
inline constexpr CParameterInfo kMemoryWriteStart = Number("Address at which to Start Writing", 2);
inline constexpr CParameterInfo kWriteCode = Code("Write Code", kWriteCodes4418);
// The only data that carries a two-byte length.
inline constexpr CParameterInfo kMemoryWriteData = Block("Data to Write", kCountWord);
inline constexpr CParameterInfo kMemoryReadAddress = Number("Address from which to read", 2);
inline constexpr CParameterInfo kReadCode = Code("Read Code", kReadCodes4418);

// clang-format off
struct OBJCOMM_API CSmOpChgPsc4418 : CParameters<kOldPin, kNewPin> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpVerifyPsc4418 : CParameters<kCurrentPin> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpWriteMemory4418 : CParameters<kMemoryWriteStart, kWriteCode, kMemoryWriteData> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpReadMemory4418 : CParameters<kMemoryReadAddress, kReadCountWord, kReadCode> { using CParameters::CParameters; };
// clang-format on
