#pragma once
// SGS-Thomson ST14C02C (chip type 0x87), a byte-addressed EEPROM.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

inline constexpr CParameterInfo kWriteAddress = Number("Address at which to write");

// clang-format off
struct OBJCOMM_API CSmOpWriteByteST14C02C : CParameters<kWriteAddress, kByteToWrite> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpMultiByteWriteST14C02C : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpPageWriteST14C02C : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
// Reads on from wherever the chip's address counter stands.
struct OBJCOMM_API CSmOpReadBytesST14C02C : CParameters<kReadCountWord> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpReadByteAddrST14C02C : CParameters<kReadAddress> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpReadBytesAddrST14C02C : CParameters<kReadAddress, kReadCountWord> { using CParameters::CParameters; };
// clang-format on
