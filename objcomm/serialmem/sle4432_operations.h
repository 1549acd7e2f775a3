#pragma once
// Siemens SLE 4432/4442 (chip type 0x82): memory with write protection and, on the 4442, a
// programmable security code.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

inline constexpr CParameterInfo kVerification1 = Number("Byte 1 of Verification Data");
inline constexpr CParameterInfo kVerification2 = Number("Byte 2 of Verification Data");
inline constexpr CParameterInfo kVerification3 = Number("Byte 3 of Verification Data");
inline constexpr CParameterInfo kCompareStart = Number("Address at which to start comparing");
inline constexpr CParameterInfo kCompareData = Block("Data to compare");

// Presents the three bytes of the security code.
struct OBJCOMM_API CSmOpVerification4432
    : CParameters<kVerification1, kVerification2, kVerification3> {
    using CParameters::CParameters;
};

// clang-format off
// Protects bytes for good, but only where they equal the data given.
struct OBJCOMM_API CSmOpWriteProtection4432 : CParameters<kCompareStart, kCompareData> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpWriteSecurity4432 : CParameters<kWriteStart, kWriteData> { using CParameters::CParameters; };
// clang-format on
