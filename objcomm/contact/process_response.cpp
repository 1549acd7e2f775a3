#include "objcomm/contact/process_response.h"

#include <utility>

#include "objcomm/destination_codes.h"
#include "objcomm/hex.h"
#include "objcomm/length_prefix.h"
#include "platform/format.h"

namespace {

constexpr BYTE kRawCommandFlag = 0x02;
constexpr int kNonIsoCase = '5';

constexpr CodeText kApduCaseCodes[] = {
    {'1', "CASE 1"}, {'2', "CASE 2"}, {'3', "CASE 3"}, {'4', "CASE 4"}};
constexpr CTextTable kApduCases{kApduCaseCodes, "Non-ISO"};

CString FormatFlags(DWORD dwFlags) {
    return FormatText("%04X", dwFlags);
}

// Only the contact readers (EX_TBP and TBP) take ISO APDUs.
bool IsContactReader(int nDestination) {
    return nDestination == 0x57 || nDestination == 0x58;
}

}  // namespace

CRspProcess::CRspProcess(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Process Command", dwContext) {
    ReadFields(*this, payload);
    if (!IsIsoApdu()) return;
    // A command shorter than its case needs fails here, from the command data's reader.
    for (BYTE* pHeader : {&m_nCla, &m_nIns, &m_nP1, &m_nP2}) *pHeader = m_commandData.ReadByte();
    if (HasLc()) m_commandData.ReadBytes(m_arrLcData, kCountByte);
    if (HasLe()) m_nLe = m_commandData.ReadByte();
}

void CRspProcess::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nDestination, 1, "Destination", kStationOrUnknownValue);
    visitor.Number(m_nTimeOut, 1, "Time Out Value", FormatDecimal);
    visitor.Number(m_nCase, 1, "APDU", kApduCases);
    if (IsExtended()) visitor.Number(m_wFlags, 2, "Flags", FormatFlags);
    // An APDU shows its parts instead, after the fields.
    visitor.Block(m_commandData.GetBytes(), kCountWord, IsIsoApdu() ? nullptr : "Data", "None");
}

bool CRspProcess::IsIsoApdu() const {
    return IsContactReader(m_nDestination) && m_nCase != kNonIsoCase &&
           (m_wFlags & kRawCommandFlag) == 0;
}

bool CRspProcess::HasLc() const {
    return m_nCase == '3' || m_nCase == '4';
}

bool CRspProcess::HasLe() const {
    return m_nCase == '2' || m_nCase == '4';
}

CStringArray& CRspProcess::Describe() {
    CPassThroughFieldResponse::Describe();
    if (!IsIsoApdu()) return m_arrDescribe;
    const std::pair<const char*, BYTE> header[] = {
        {"CLA", m_nCla}, {"INS", m_nIns}, {"P1", m_nP1}, {"P2", m_nP2}};
    for (const auto& [pszLabel, nByte] : header) {
        AddPair(m_arrDescribe, pszLabel, FormatHexByte(nByte));
    }
    if (HasLc()) AddPair(m_arrDescribe, "Lc Data", HexOrText(m_arrLcData, "None"));
    if (HasLe()) AddPair(m_arrDescribe, "Le", FormatHexByte(m_nLe));
    return m_arrDescribe;
}

void CRspProcess::WriteData(COutBinaryString& out) {
    WriteFields(*this, out);
}

int CRspProcess::GetDataLength() {
    return static_cast<int>(GetFieldsLength(*this));
}
