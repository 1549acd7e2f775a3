#include "objcomm/contact/process_response.h"

#include <utility>

#include "objcomm/describe.h"
#include "objcomm/station/destination_codes.h"
#include "objcomm/station/field_kinds.h"
#include "platform/format.h"

namespace {

constexpr BYTE kRawCommandFlag = 0x02;
constexpr int kNonIsoCase = '5';

constexpr CodeText kApduCases[] = {
    {'1', "CASE 1"}, {'2', "CASE 2"}, {'3', "CASE 3"}, {'4', "CASE 4"}};

// Only the contact readers (EX_TBP and TBP) take ISO APDUs.
bool IsContactReader(int nDestination) {
    return nDestination == 0x57 || nDestination == 0x58;
}

}  // namespace

CRspProcess::CRspProcess(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(0x05, dwContext),
      m_nDestination(payload.ReadByte()),
      m_nTimeOut(payload.ReadByte()),
      m_nCase(payload.ReadByte()) {
    if (IsExtended()) m_wFlags = payload.ReadWord();
    payload.ReadBytes(m_commandData.GetBytes(), -2);
    if (!IsIsoApdu()) return;
    // A command shorter than its case needs fails here, from the command data's reader.
    for (BYTE* pHeader : {&m_nCla, &m_nIns, &m_nP1, &m_nP2}) *pHeader = m_commandData.ReadByte();
    if (HasLc()) m_commandData.ReadBytes(m_arrLcData, -1);
    if (HasLe()) m_nLe = m_commandData.ReadByte();
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
    BeginDescribe(m_arrDescribe, "Process Command");
    AddPair(m_arrDescribe, "Destination", kStationOrUnknownValue.Text(m_nDestination));
    AddPair(m_arrDescribe, "Time Out Value", FormatDecimal(m_nTimeOut));
    AddPair(m_arrDescribe, "APDU",
            LookupText(kApduCases, static_cast<unsigned>(m_nCase), "Non-ISO"));
    if (IsExtended()) AddPair(m_arrDescribe, "Flags", FormatText("%04X", m_wFlags));
    if (!IsIsoApdu()) {
        AddPair(m_arrDescribe, "Data", HexOrText(m_commandData.GetBytes(), "None"));
        return m_arrDescribe;
    }
    const std::pair<const char*, BYTE> header[] = {
        {"CLA", m_nCla}, {"INS", m_nIns}, {"P1", m_nP1}, {"P2", m_nP2}};
    for (const auto& [pszLabel, nByte] : header) {
        AddPair(m_arrDescribe, pszLabel, FormatHexByte(nByte));
    }
    if (HasLc()) AddPair(m_arrDescribe, "Lc Data", HexOrText(m_arrLcData, "None"));
    if (HasLe()) AddPair(m_arrDescribe, "Le", FormatHexByte(m_nLe));
    return m_arrDescribe;
}

void CRspProcess::WriteData(COutBinaryString& out) const {
    out.AppendByte(static_cast<BYTE>(m_nDestination))
        .AppendByte(static_cast<BYTE>(m_nTimeOut))
        .AppendByte(static_cast<BYTE>(m_nCase));
    if (IsExtended()) out.AppendWord(m_wFlags);
    out.SetPrefix(-2).AppendBytes(m_commandData.GetBytes());
}

int CRspProcess::GetDataLength() const {
    return static_cast<int>(m_commandData.GetBytes().size()) + (IsExtended() ? 7 : 5);
}

COutBinaryString CRspProcess::GetData() {
    COutBinaryString out;
    WriteData(out);
    return out;
}
