#include "objcomm/station/bulk_process_response.h"

#include "objcomm/describe.h"
#include "objcomm/hex.h"
#include "objcomm/station/field_kinds.h"
#include "objcomm/station/text_table.h"

namespace {

constexpr CodeText kCheckModes[] = {
    {0, "TBP is not responsible to check result"},
    {1, "TBP is responsible to check whole result"},
    {2, "TBP is responsible to check Status Word"},
};
// With the capital K the station has always shown.
constexpr char kUnknownCheckMode[] = "UnKnown Value";

// The command length, a Process payload with empty command data, the check mode.
constexpr size_t kSmallestRecord = 2 + 5 + 1;
constexpr size_t kSmallestExtendedRecord = 4 + 7 + 1;

// A Process payload's own "Command" pair, which a command's list leaves out.
constexpr long kProcessCommandPair = 2;

}  // namespace

CInBinaryString& CBulkProcessCommand::SkipCommandLength(CInBinaryString& reader,
                                                       DWORD dwContext) {
    ReadNumber(reader, GetLengthFieldWidth(dwContext));
    return reader;
}

CBulkProcessCommand::CBulkProcessCommand(CInBinaryString& reader, DWORD dwContext)
    : m_process(SkipCommandLength(reader, dwContext), dwContext),
      m_nCheckMode(reader.ReadByte()),
      m_dwContext(dwContext) {
    if (HasPredictedResult()) reader.ReadBytes(m_arrPredictedResult, -1);
}

int CBulkProcessCommand::GetEncodedLength() const {
    const int nPredicted =
        HasPredictedResult() ? 1 + static_cast<int>(m_arrPredictedResult.size()) : 0;
    return GetLengthFieldWidth(m_dwContext) + m_process.GetDataLength() + 1 + nPredicted;
}

void CBulkProcessCommand::Encode(COutBinaryString& out) const {
    const int nWidth = GetLengthFieldWidth(m_dwContext);
    WriteNumber(out, nWidth, static_cast<DWORD>(GetEncodedLength() - nWidth));
    m_process.WriteData(out);
    out.AppendByte(static_cast<BYTE>(m_nCheckMode));
    if (HasPredictedResult()) out.SetPrefix(-1).AppendBytes(m_arrPredictedResult);
}

CStringArray& CBulkProcessCommand::Describe() {
    const CStringArray& process = m_process.Describe();
    m_arrDescribe.assign(process.begin() + kProcessCommandPair, process.end());
    AddPair(m_arrDescribe, "Predicted Results",
            LookupText(kCheckModes, static_cast<unsigned>(m_nCheckMode), kUnknownCheckMode));
    if (HasPredictedResult()) AddPair(m_arrDescribe, "Resultant Data", ToHex(m_arrPredictedResult));
    return m_arrDescribe;
}

CRspBulkProcess::CRspBulkProcess(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(0x0C, dwContext) {
    ReadCommands(payload, IsExtended() ? kSmallestExtendedRecord : kSmallestRecord, m_arrCommands,
                 [&] { return new CBulkProcessCommand(payload, m_dwContext); });
}

CStringArray& CRspBulkProcess::Describe() {
    BeginDescribe(m_arrDescribe, "Bulk Process Command");
    DescribeCommands(m_arrCommands, m_arrDescribe);
    return m_arrDescribe;
}

COutBinaryString CRspBulkProcess::GetData() {
    COutBinaryString out;
    WriteCommands(m_arrCommands, out);
    return out;
}
