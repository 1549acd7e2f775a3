#pragma once
// Siemens SLE 4436 (chip type 0x83) and SLE 4406 (0x88): bit-addressed counter chips. Only
// the 4436 authenticates.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

// The control byte of Authenticate: authentication control 1 or 2.
extern OBJCOMM_API const CTextTable kAuthenticationControls;

inline constexpr CParameterInfo kControlType =
    Code("Authentication Control Type", kAuthenticationControls);
inline constexpr CParameterInfo kChallenge = Block("Challenge Data");
inline constexpr CParameterInfo kResponseBits = Number("Number of response bits to accept", 2);
inline constexpr CParameterInfo kBitAddress = Number("Address", 4);

struct OBJCOMM_API CSmOpPresentTransportCode4436_4406
    : CParameters<kTransportCode1, kTransportCode2, kTransportCode3> {
    using CParameters::CParameters;
};

// clang-format off
struct OBJCOMM_API CSmOpAuthenticate4436 : CParameters<kControlType, kChallenge, kResponseBits> { using CParameters::CParameters; };
// Codes 6, 8 and 11 all take one bit address; each is named for its code.
struct OBJCOMM_API CSmOpAddress4436_4406 : CParameters<kBitAddress> { using CParameters::CParameters; };
// clang-format on
