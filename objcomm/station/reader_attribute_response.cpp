#include "objcomm/station/reader_attribute_response.h"

#include "objcomm/describe.h"
#include "objcomm/destination_codes.h"
#include "platform/format.h"

namespace {

constexpr char kInvalidValue[] = "Invalid value";
constexpr int kGetValueEntry = 6;

// How the value of one attribute reads.
struct CAttributeRule {
    unsigned nId;
    const char* pszName;
    CString (*pfnText)(const CAttributeRule& rule, DWORD dwValue);
    const char* pszText = "";  // a number's unit, or the text for a value that is set
    const char* pszClearText = nullptr;
    DWORD dwMin = 0;
    DWORD dwMax = 0xFFFFFFFF;
    DWORD dwStep = 1;
};

CString NumberText(const CAttributeRule& rule, DWORD dwValue) {
    if (dwValue < rule.dwMin || dwValue > rule.dwMax || dwValue % rule.dwStep != 0) {
        return kInvalidValue;
    }
    return FormatText("%u%s", dwValue, rule.pszText);
}

CString SwitchText(const CAttributeRule& rule, DWORD dwValue) {
    return dwValue != 0 ? rule.pszText : rule.pszClearText;
}

CString ClaByteText(const CAttributeRule&, DWORD dwValue) {
    return dwValue <= 0xFF ? FormatText("Use 0x%02X as CLA Byte", dwValue)
                           : CString("Use Original CLA Bytes");
}

// The count of zeros travels in the high half, the count of ones in the low half.
CString StartOfFrameText(const CAttributeRule&, DWORD dwValue) {
    return FormatText("Number of 0's: %u, Number of 1's: %d", dwValue >> 16,
                      static_cast<int>(dwValue & 0xFFFF));
}

constexpr CAttributeRule Plain(unsigned nId, const char* pszName, const char* pszUnit = "") {
    return {nId, pszName, NumberText, pszUnit};
}

constexpr CAttributeRule Ranged(unsigned nId, const char* pszName, DWORD dwMin, DWORD dwMax) {
    return {nId, pszName, NumberText, "", nullptr, dwMin, dwMax};
}

constexpr CAttributeRule Switch(unsigned nId, const char* pszName, const char* pszSet,
                                const char* pszClear) {
    return {nId, pszName, SwitchText, pszSet, pszClear};
}

constexpr CAttributeRule kAttributes[] = {
    Plain(0, "Character Waiting Time"),
    Plain(1, "Block Waiting Time"),
    Plain(2, "Baud Rate", " bps"),
    Plain(3, "Extra Guard Time"),
    Plain(4, "Block Guard Time"),
    Ranged(5, "IFSD", 50, 596),
    Plain(6, "Initial Character Waiting Time"),
    Switch(7, "Command Handling", "TPDU Level", "APDU Level"),
    {8, "Get Response CLA Byte", ClaByteText},
    Plain(9, "Antenna Tuning Value"),
    Ranged(10, "Frame Waiting Time Integer", 0, 14),
    Plain(11, "Frame Waiting Time", " microseconds"),
    Ranged(12, "Frame Size for PICC Device Integer", 0, 255),
    Ranged(13, "Divisor Receive Integer", 0, 3),
    Plain(14, "Divisor Receive"),
    Ranged(15, "Divisor Send Integer", 0, 3),
    Plain(16, "Divisor Send"),
    {17, "Type B Start of Frame", StartOfFrameText},
    Plain(18, "Type B End of Frame"),
    Plain(19, "Type B Extra Guard Time", " microseconds"),
    Switch(20, "CRC Returned Setting", "CRC is returned to the application",
           "CRC is NOT returned to the application"),
    Switch(21, "Auto CRC Setting", "CRC is automatically computed",
           "CRC is supplied by the application"),
    Switch(22, "Validation Setting", "CRC of card responses is checked",
           "CRC of card responses is NOT checked"),
    // Set means the parity bit is left out: the reverse sense of its neighbours.
    Switch(23, "Type A Parity Bit Setting", "Parity bit is NOT automatically added",
           "Parity bit is automatically added"),
    Switch(24, "Type A Short Form Setting", "Communication uses short frames",
           "Communication uses standard frames"),
    {25, "Carrier Frequency", NumberText, " kHz", nullptr, 12000, 18000, 10},
    Ranged(26, "Carrier Field Strength", 0, 15),
};

const CAttributeRule* FindAttribute(int nId) {
    for (const CAttributeRule& rule : kAttributes) {
        if (rule.nId == static_cast<unsigned>(nId)) return &rule;
    }
    return nullptr;
}

}  // namespace

CRspReaderAttribute::CRspReaderAttribute(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(kSubCommand, dwContext),
      m_nDestination(payload.ReadByte()),
      m_nAttribute(payload.ReadByte()) {
    if (payload.ReadByte() != 0) {
        m_bHasValue = true;
        m_dwValue = payload.ReadDWord();
    }
}

CStringArray& CRspReaderAttribute::Describe() {
    BeginDescribe(m_arrDescribe, "Reader Attribute");
    AddPair(m_arrDescribe, "Destination", kReaderOrUnknownValue.Text(m_nDestination));
    const CAttributeRule* pRule = FindAttribute(m_nAttribute);
    AddPair(m_arrDescribe, "Attribute", pRule ? pRule->pszName : kUnknownValue);
    if (!m_bHasValue) {
        m_arrDescribe.push_back("Get Value");
    } else {
        AddPair(
            m_arrDescribe, "Value",
            pRule ? pRule->pfnText(*pRule, m_dwValue) : CString("Unknown Attribute Data Value"));
    }
    return m_arrDescribe;
}

CArray<int> CRspReaderAttribute::GetLoneEntries() {
    return m_bHasValue ? CArray<int>() : CArray<int>{kGetValueEntry};
}

COutBinaryString CRspReaderAttribute::GetData() {
    COutBinaryString out;
    out.AppendByte(static_cast<BYTE>(m_nDestination)).AppendByte(static_cast<BYTE>(m_nAttribute));
    if (m_bHasValue) {
        out.AppendByte(4).AppendDWord(m_dwValue);
    } else {
        out.AppendByte(0);
    }
    return out;
}
