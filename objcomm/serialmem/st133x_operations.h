#pragma once
// SGS-Thomson ST133x (chip type 0x86). The chip comes in a six- and a five-contact package,
// and every operation names the one it drives.
#include "objcomm/serialmem/common_parameters.h"

extern const CTextTable kSt133xCardTypes;

inline constexpr CParameterInfo kCardType = Code("Card Type", kSt133xCardTypes);

// clang-format off
struct CSmOpResetST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct CSmOpAddrResetST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct CSmOpIncAddrST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct CSmOpPresentTransportCodeST133X
    : CParameters<kCardType, kTransportCode1, kTransportCode2, kTransportCode3> {
    using CParameters::CParameters;
};
struct CSmOpProgramBitST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct CSmOpBlowCfgFuseST133X : CParameters<kCardType> { using CParameters::CParameters; };
struct CSmOpCheckCfgFuseST133X : CParameters<kCardType> { using CParameters::CParameters; };
// clang-format on
