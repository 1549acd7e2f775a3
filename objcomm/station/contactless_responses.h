#pragma once
// The contactless (PICC) responses. Each begins with the destination, which they know only
// as "PICC"; each class has its own text for any other code.
#include "objcomm/destination_codes.h"
#include "objcomm/length_prefix.h"
#include "objcomm/shaped_response.h"

class CDestinationBlockResponse;
class CTypeBRequestResponse;

// Shape: the destination and one byte block.
struct CBlockProfile : CDestinationProfile {
    using Shape = CDestinationBlockResponse;
    const char* pszLabel;
    int nMode;  // the block's length: fixed when positive, else a count mode
};

class CDestinationBlockResponse : public CDestinationResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    CByteArray m_arrData;

protected:
    CDestinationBlockResponse(const CBlockProfile& profile, DWORD dwContext);

private:
    const char* const m_pszLabel;
    const int m_nMode;
};

inline constexpr CBlockProfile kHltb{{{0x3A, "HLTB"}, kPiccOrUnknownDestination}, "Identifier", 4};
inline constexpr CBlockProfile kDiversifyKeys{
    {{0x36, "Diversify Keys"}, kPiccOrUnknownDestination}, "Key Data", kCountWord};
inline constexpr CBlockProfile kSetKeys{
    {{0x33, "Set Keys"}, kPiccOrUnknownValue}, "Key Data", kCountWord};
inline constexpr CBlockProfile kPiccReset{
    {{0x30, "Reset PICC Card"}, kPiccOrUnknownValue}, "Reset Data", kCountWord};

// clang-format off
struct CRspHltb : CShaped<kHltb> { using CShaped::CShaped; };
struct CRspDiversifyKeys : CShaped<kDiversifyKeys> { using CShaped::CShaped; };
struct CRspSetKeys : CShaped<kSetKeys> { using CShaped::CShaped; };
struct CRspPiccReset : CShaped<kPiccReset> { using CShaped::CShaped; };
// clang-format on

// Shape: WUPB and REQB carry the same two Type B request bytes.
struct CTypeBProfile : CResponseProfile {
    using Shape = CTypeBRequestResponse;
};

class CTypeBRequestResponse : public CDestinationResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    BYTE m_nAfi = 0;
    BYTE m_nN = 0;

protected:
    CTypeBRequestResponse(const CTypeBProfile& profile, DWORD dwContext);
};

inline constexpr CTypeBProfile kWupb{{0x38, "WUPB"}};
inline constexpr CTypeBProfile kReqb{{0x37, "REQB"}};

// clang-format off
struct CRspWupb : CShaped<kWupb> { using CShaped::CShaped; };
struct CRspReqb : CShaped<kReqb> { using CShaped::CShaped; };
// clang-format on

inline constexpr CDestinationProfile kPiccAntennaTuning{{0x32, "PICC Antenna Tuning"},
                                                        kPiccOrUnknownDestination};
// clang-format off
struct CRspPiccAntennaTuning : CShaped<kPiccAntennaTuning> { using CShaped::CShaped; };
// clang-format on

class CRspAttrib : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x39;

    CRspAttrib(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    CByteArray m_arrIdentifier;
    BYTE m_nMinimumTR0 = 0;
    BYTE m_nMinimumTR1 = 0;
    BYTE m_nEof = 0;
    BYTE m_nSof = 0;
    BYTE m_nBitRateToPcd = 0;
    BYTE m_nBitRateToPicc = 0;
    BYTE m_nMaximumFrameSize = 0;
    BYTE m_nProtocol = 0;
    CByteArray m_arrInf;  // higher-layer information
};

class CRspPiccPower : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x35;

    CRspPiccPower(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    bool m_bPowerOn = false;
    DWORD m_dwCarrierFieldStrength = 0;
};

class CRspPiccAuthenticate : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x34;

    CRspPiccAuthenticate(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    bool m_bFlag = false;  // travels, but is not shown
    CByteArray m_arrData;
};

class CRspPiccIssuePPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x31;

    CRspPiccIssuePPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    BYTE m_nPps1 = 0;
};
