#pragma once
// The contactless (PICC) responses. Each begins with the destination, which they know only
// as "PICC"; each class has its own text for any other code.
#include "objcomm/destination_codes.h"
#include "objcomm/export.h"
#include "objcomm/length_prefix.h"
#include "objcomm/shaped_response.h"

class CDestinationBlockResponse;
class CTypeBRequestResponse;

// Shape: the destination and one byte block.
// Shape: the destination and one byte block.
struct OBJCOMM_API CBlockProfile : CDestinationProfile {
    // The base class of the CShaped classes of such profiles.
    using Shape = CDestinationBlockResponse;
    // The block's label in the describe list.
    const char* pszLabel;
    int nMode;  // the block's length: fixed when positive, else a count mode
};

// The PICC and one block of bytes: HLTB, Diversify Keys, Set Keys, Reset PICC Card.
class OBJCOMM_API CDestinationBlockResponse : public CDestinationResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    // The block.
    CByteArray m_arrData;

protected:
    // The profile is the class's; the most derived class reads the fields.
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
struct OBJCOMM_API CRspHltb : CShaped<kHltb> { using CShaped::CShaped; };
struct OBJCOMM_API CRspDiversifyKeys : CShaped<kDiversifyKeys> { using CShaped::CShaped; };
struct OBJCOMM_API CRspSetKeys : CShaped<kSetKeys> { using CShaped::CShaped; };
struct OBJCOMM_API CRspPiccReset : CShaped<kPiccReset> { using CShaped::CShaped; };
// clang-format on

// Shape: WUPB and REQB carry the same two Type B request bytes.
struct OBJCOMM_API CTypeBProfile : CResponseProfile {
    // The base class of the CShaped classes of such profiles.
    using Shape = CTypeBRequestResponse;
};

// The PICC and the two bytes of a Type B request: WUPB, REQB.
class OBJCOMM_API CTypeBRequestResponse : public CDestinationResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    // The application family identifier.
    BYTE m_nAfi = 0;
    // The number of slots, as its code.
    BYTE m_nN = 0;

protected:
    // The profile is the class's; the most derived class reads the fields.
    CTypeBRequestResponse(const CTypeBProfile& profile, DWORD dwContext);
};

inline constexpr CTypeBProfile kWupb{{0x38, "WUPB"}};
inline constexpr CTypeBProfile kReqb{{0x37, "REQB"}};

// clang-format off
struct OBJCOMM_API CRspWupb : CShaped<kWupb> { using CShaped::CShaped; };
struct OBJCOMM_API CRspReqb : CShaped<kReqb> { using CShaped::CShaped; };
// clang-format on

inline constexpr CDestinationProfile kPiccAntennaTuning{{0x32, "PICC Antenna Tuning"},
                                                        kPiccOrUnknownDestination};
// clang-format off
struct OBJCOMM_API CRspPiccAntennaTuning : CShaped<kPiccAntennaTuning> { using CShaped::CShaped; };
// clang-format on

// A Type B ATTRIB command: the card's identifier, the parameters, and higher-layer
// information.
class OBJCOMM_API CRspAttrib : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x39;

    CRspAttrib(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The card's four-byte identifier (PUPI), then the ATTRIB parameters, each one byte.
    CByteArray m_arrIdentifier;
    BYTE m_nMinimumTR0 = 0;        // minimum TR0
    BYTE m_nMinimumTR1 = 0;        // minimum TR1
    BYTE m_nEof = 0;               // EOF
    BYTE m_nSof = 0;               // SOF
    BYTE m_nBitRateToPcd = 0;      // bit rate selection towards the reader
    BYTE m_nBitRateToPicc = 0;     // bit rate selection towards the card
    BYTE m_nMaximumFrameSize = 0;  // maximum frame size, as its code
    BYTE m_nProtocol = 0;          // protocol type
    CByteArray m_arrInf;           // higher-layer information
};

// Turns the reader's field on or off.
class OBJCOMM_API CRspPiccPower : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x35;

    CRspPiccPower(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // Whether the field goes on.
    bool m_bPowerOn = false;
    // The carrier field strength.
    DWORD m_dwCarrierFieldStrength = 0;
};

// Authenticates with the card.
class OBJCOMM_API CRspPiccAuthenticate : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x34;

    CRspPiccAuthenticate(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    bool m_bFlag = false;  // travels, but is not shown
    // The authentication data.
    CByteArray m_arrData;
};

// Issues a PPS to the card.
class OBJCOMM_API CRspPiccIssuePPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x31;

    CRspPiccIssuePPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The PPS1 byte.
    BYTE m_nPps1 = 0;
};
