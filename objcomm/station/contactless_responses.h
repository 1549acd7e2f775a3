#pragma once
// The contactless (PICC) responses. Each begins with the destination, which they know only
// as "PICC"; each class has its own text for any other code.
#include "objcomm/station/destination_codes.h"
#include "objcomm/station/field_list_response.h"

class CDestinationBlockResponse;
class CTypeBRequestResponse;

// Shape: the destination and one byte block.
struct CBlockProfile {
    using Shape = CDestinationBlockResponse;
    CDestinationProfile response;
    const char* pszLabel;
    int nMode;  // the block's length: fixed when positive, -2 when counted
};

class CDestinationBlockResponse : public CDestinationResponse {
public:
    CBlockField m_arrData;

protected:
    CDestinationBlockResponse(CInBinaryString& payload, DWORD dwContext,
                              const CBlockProfile& profile);
};

inline constexpr CBlockProfile kHltb{{0x3A, "HLTB", kPiccOrUnknownDestination}, "Identifier", 4};
inline constexpr CBlockProfile kDiversifyKeys{
    {0x36, "Diversify Keys", kPiccOrUnknownDestination}, "Key Data", -2};
inline constexpr CBlockProfile kSetKeys{{0x33, "Set Keys", kPiccOrUnknownValue}, "Key Data", -2};
inline constexpr CBlockProfile kPiccReset{
    {0x30, "Reset PICC Card", kPiccOrUnknownValue}, "Reset Data", -2};

// clang-format off
struct CRspHltb : CShaped<kHltb> { using CShaped::CShaped; };
struct CRspDiversifyKeys : CShaped<kDiversifyKeys> { using CShaped::CShaped; };
struct CRspSetKeys : CShaped<kSetKeys> { using CShaped::CShaped; };
struct CRspPiccReset : CShaped<kPiccReset> { using CShaped::CShaped; };
// clang-format on

// Shape: WUPB and REQB carry the same two Type B request bytes.
struct CTypeBProfile {
    using Shape = CTypeBRequestResponse;
    CResponseProfile response;
};

class CTypeBRequestResponse : public CDestinationResponse {
public:
    CValueField<BYTE> m_nAfi{*this, 1, "AFI", FormatHexByte};
    CValueField<BYTE> m_nN{*this, 1, "N", FormatHexByte};

protected:
    CTypeBRequestResponse(CInBinaryString& payload, DWORD dwContext, const CTypeBProfile& profile);
};

inline constexpr CTypeBProfile kWupb{{0x38, "WUPB"}};
inline constexpr CTypeBProfile kReqb{{0x37, "REQB"}};

// clang-format off
struct CRspWupb : CShaped<kWupb> { using CShaped::CShaped; };
struct CRspReqb : CShaped<kReqb> { using CShaped::CShaped; };
// clang-format on

inline constexpr CDestinationProfile kPiccAntennaTuning{0x32, "PICC Antenna Tuning",
                                                        kPiccOrUnknownDestination};
// clang-format off
struct CRspPiccAntennaTuning : CShaped<kPiccAntennaTuning> { using CShaped::CShaped; };
// clang-format on

class CRspAttrib : public CDestinationResponse {
public:
    CRspAttrib(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext, {0x39, "ATTRIB", kPiccOrUnknownDestination}) {}

    CBlockField m_arrIdentifier{*this, "Identifier", 4};
    CValueField<BYTE> m_nMinimumTR0{*this, 1, "Minimum TR0", FormatHexByte};
    CValueField<BYTE> m_nMinimumTR1{*this, 1, "Minimum TR1", FormatHexByte};
    CValueField<BYTE> m_nEof{*this, 1, "EOF", FormatHexByte};
    CValueField<BYTE> m_nSof{*this, 1, "SOF", FormatHexByte};
    CValueField<BYTE> m_nBitRateToPcd{*this, 1, "Bit Rate Selection to PCD", FormatHexByte};
    CValueField<BYTE> m_nBitRateToPicc{*this, 1, "Bit Rate Selection to PICC", FormatHexByte};
    CValueField<BYTE> m_nMaximumFrameSize{*this, 1, "Maximum Frame Size", FormatHexByte};
    CValueField<BYTE> m_nProtocol{*this, 1, "Protocol", FormatHexByte};
    CBlockField m_arrInf{*this, "INF", -2};  // higher-layer information
};

class CRspPiccPower : public CDestinationResponse {
public:
    CRspPiccPower(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x35, "PICC Power", kPiccOrUnknownDestination}) {}

    CFlagField m_bPowerOn{*this, "Turn Power On", "Turn Power Off"};
    CValueField<DWORD> m_dwCarrierFieldStrength{*this, 4, "Carrier Field Strength", FormatHexDWord};
};

class CRspPiccAuthenticate : public CDestinationResponse {
public:
    CRspPiccAuthenticate(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x34, "PICC Authenticate", kPiccOrUnknownValue}) {}

    CFlagField m_bFlag{*this};  // travels, but is not shown
    CBlockField m_arrData{*this, "Data", -2};
};

class CRspPiccIssuePPS : public CDestinationResponse {
public:
    CRspPiccIssuePPS(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x31, "PICC Issue PPS", kPiccOrUnknownDestination}) {}

    CValueField<BYTE> m_nPps1{*this, 1, "PPS1 Value", FormatHexByte};
};
