#pragma once
// SGS-Thomson ST133x (chip type 0x86). The chip comes in a six- and a five-contact package,
// and every operation names the one it drives.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

// The card type byte that every ST133X operation carries.
extern OBJCOMM_API const CTextTable kSt133xCardTypes;

inline constexpr CParameterInfo kCardType = Code("Card Type", kSt133xCardTypes);

// clang-format off
struct OBJCOMM_API CSmOpResetST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpAddrResetST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpIncAddrST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpPresentTransportCodeST133X
    : CParameters<kCardType, kTransportCode1, kTransportCode2, kTransportCode3> {
    using CParameters::CParameters;
};
struct OBJCOMM_API CSmOpProgramBitST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpBlowCfgFuseST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpCheckCfgFuseST133X : CParameters<kCardType> { using CParameters::CParameters; };
// clang-format on
