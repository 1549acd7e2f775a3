#include "objcomm/station/bulk_process_response.h"

#include "objcomm/describe.h"
#include "objcomm/length_prefix.h"

namespace {

constexpr CodeText kCheckModeCodes[] = {
    {0, "TBP is not responsible to check result"},
    {1, "TBP is responsible to check whole result"},
    {2, "TBP is responsible to check Status Word"},
};
// With the capital K the station has always shown.
constexpr CTextTable kCheckModes{kCheckModeCodes, "UnKnown Value"};

// The command length, a Process payload with empty command data, the check mode.
constexpr size_t kSmallestRecord = 2 + 5 + 1;
constexpr size_t kSmallestExtendedRecord = 4 + 7 + 1;

// A Process payload's own "Command" pair, which a command's list leaves out.
constexpr long kProcessCommandPair = 2;

}  // namespace

CInBinaryString& CBulkProcessCommand::SkipCommandLength(CInBinaryString& reader, DWORD dwContext) {
    reader.ReadNumber(GetLengthFieldWidth(dwContext));
    return reader;
}

CBulkProcessCommand::CBulkProcessCommand(CInBinaryString& reader, DWORD dwContext)
    : m_process(SkipCommandLength(reader, dwContext), dwContext), m_dwContext(dwContext) {
    ReadFields(*this, reader);
}

void CBulkProcessCommand::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nCheckMode, 1, "Predicted Results", kCheckModes);
    if (HasPredictedResult()) visitor.Block(m_arrPredictedResult, kCountByte, "Resultant Data");
}

int CBulkProcessCommand::GetEncodedLength() {
    return GetLengthFieldWidth(m_dwContext) + m_process.GetDataLength() +
           static_cast<int>(GetFieldsLength(*this));
}

void CBulkProcessCommand::Encode(COutBinaryString& out) {
    const int nWidth = GetLengthFieldWidth(m_dwContext);
    out.AppendNumber(nWidth, static_cast<DWORD>(GetEncodedLength() - nWidth));
    m_process.WriteData(out);
    WriteFields(*this, out);
}

CStringArray& CBulkProcessCommand::Describe() {
    const CStringArray& process = m_process.Describe();
    m_arrDescribe.assign(process.begin() + kProcessCommandPair, process.end());
    DescribeFields(*this, m_arrDescribe);
    return m_arrDescribe;
}

CRspBulkProcess::CRspBulkProcess(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(kSubCommand, dwContext) {
    ReadCommands(payload, IsExtended() ? kSmallestExtendedRecord : kSmallestRecord, m_arrCommands,
                 payload, m_dwContext);
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
