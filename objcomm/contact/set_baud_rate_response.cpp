#include "objcomm/contact/set_baud_rate_response.h"

#include "objcomm/describe.h"
#include "objcomm/destination_codes.h"

namespace {

constexpr WORD kBaudRateLength = 1;
constexpr WORD kPpsLength = 5;
constexpr int kProtocolEntry = 4;

// FI/DI bytes for F = 372 and D = 1, 2, 4, 8, 12.
constexpr CodeText kBaudRateCodes[] = {
    {0x11, "9.6kbps"},  {0x12, "19.2kbps"},  {0x13, "38.4kbps"},
    {0x14, "76.8kbps"}, {0x18, "115.2kbps"},
};

constexpr CodeText kProtocolCodes[] = {
    {0x00, "Protocol T=0"},
    {0x01, "Protocol T=1"},
    {0xFF, "Keep Current Protocol"},
};

// PPS1 to PPS3, each with the PPS0 bit that says it is present.
struct COptionalPps {
    BYTE nPresentBit;
    const char* pszLabel;
};
constexpr COptionalPps kOptionalPps[] = {
    {0x10, "PPS1 Value"}, {0x20, "PPS2 Value"}, {0x40, "PPS3 Value"}};

}  // namespace

CRspSetBaudRate::CRspSetBaudRate(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(kSubCommand, dwContext), m_nDestination(payload.ReadByte()) {
    if (payload.ReadWord() == kBaudRateLength) {
        m_nBaudRate = payload.ReadByte();
        return;
    }
    m_bPPS = true;
    m_nProtocol = payload.ReadByte();
    for (BYTE& pps : m_arrPPS) pps = payload.ReadByte();
}

CStringArray& CRspSetBaudRate::Describe() {
    BeginDescribe(m_arrDescribe, m_bPPS ? "Issue PPS" : "Set Baud Rate");
    AddPair(m_arrDescribe, "Destination", kContactOrUnknownWide.Text(m_nDestination));
    if (!m_bPPS) {
        AddPair(m_arrDescribe, "Baud Rate Value",
                LookupText(kBaudRateCodes, static_cast<unsigned>(m_nBaudRate), kUnknownValue));
        return m_arrDescribe;
    }
    m_arrDescribe.push_back(LookupText(kProtocolCodes, static_cast<unsigned>(m_nProtocol),
                                       "Unknown Protocol Selection"));
    for (size_t i = 0; i < std::size(kOptionalPps); ++i) {
        if (m_arrPPS[0] & kOptionalPps[i].nPresentBit) {
            AddPair(m_arrDescribe, kOptionalPps[i].pszLabel, FormatHexByte(m_arrPPS[i + 1]));
        }
    }
    return m_arrDescribe;
}

CArray<int> CRspSetBaudRate::GetLoneEntries() {
    return m_bPPS ? CArray<int>{kProtocolEntry} : CArray<int>();
}

COutBinaryString CRspSetBaudRate::GetData() {
    COutBinaryString out;
    out.AppendByte(static_cast<BYTE>(m_nDestination));
    if (!m_bPPS) {
        out.AppendWord(kBaudRateLength).AppendByte(static_cast<BYTE>(m_nBaudRate));
        return out;
    }
    out.AppendWord(kPpsLength).AppendByte(static_cast<BYTE>(m_nProtocol));
    for (BYTE pps : m_arrPPS) out.AppendByte(pps);
    return out;
}
