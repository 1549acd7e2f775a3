#pragma once
// SGS-Thomson ST14C02C (chip type 0x87), a byte-addressed EEPROM.
#include "objcomm/serialmem/common_parameters.h"

inline constexpr CParameterInfo kWriteAddress = Number("Address at which to write");

// clang-format off
struct CSmOpWriteByteST14C02C : CParameters<kWriteAddress, kByteToWrite> { using CParameters::CParameters; };
struct CSmOpMultiByteWriteST14C02C : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
struct CSmOpPageWriteST14C02C : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
// Reads on from wherever the chip's address counter stands.
struct CSmOpReadBytesST14C02C : CParameters<kReadCountWord> { using CParameters::CParameters; };
struct CSmOpReadByteAddrST14C02C : CParameters<kReadAddress> { using CParameters::CParameters; };
struct CSmOpReadBytesAddrST14C02C : CParameters<kReadAddress, kReadCountWord> { using CParameters::CParameters; };
// clang-format on
