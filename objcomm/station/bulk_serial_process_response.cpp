#include "objcomm/station/bulk_serial_process_response.h"

#include "objcomm/describe.h"
#include "objcomm/hex.h"
#include "objcomm/length_prefix.h"
#include "objcomm/serialmem/shared_operation.h"

namespace {
// Of the command length and of the predicted result, in both forms.
constexpr int kLengthMode = kCountWord;
constexpr int kLengthFieldWidth = PrefixWidth(kLengthMode);
// The command length, the operation's code and length word, the predicted result's length.
constexpr size_t kSmallestRecord = kLengthFieldWidth + 3 + kLengthFieldWidth;
}  // namespace

CBulkSerialProcessCommand::CBulkSerialProcessCommand(int nChipType, CInBinaryString& reader,
                                                     DWORD dwContext)
    : m_dwContext(dwContext) {
    reader.ReadWord();  // the command length: the record is read field by field instead
    m_operation = ReadOperation(nChipType, reader, dwContext);
    reader.ReadBytes(m_arrPredictedResult, kLengthMode);
}

int CBulkSerialProcessCommand::GetEncodedLength() const {
    return kLengthFieldWidth + GetOperationLength(m_operation) + kLengthFieldWidth +
           static_cast<int>(m_arrPredictedResult.size());
}

void CBulkSerialProcessCommand::Encode(COutBinaryString& out) const {
    out.AppendWord(static_cast<WORD>(GetEncodedLength() - kLengthFieldWidth));
    WriteOperation(m_operation, out);
    out.SetPrefix(kLengthMode).AppendBytes(m_arrPredictedResult);
}

CStringArray& CBulkSerialProcessCommand::Describe() {
    m_arrDescribe.clear();
    DescribeOperation(m_operation, m_arrDescribe);
    m_arrDescribe.push_back("Predicted Results");
    if (m_arrPredictedResult.empty()) {
        m_arrDescribe.push_back("TBP is not responsible to check result");
    } else {
        m_arrDescribe.push_back("TBP is responsible to check result");
        AddPair(m_arrDescribe, "Resultant Data", ToHex(m_arrPredictedResult));
    }
    return m_arrDescribe;
}

CRspBulkSerialProcess::CRspBulkSerialProcess(CInBinaryString& payload, DWORD dwContext)
    : CSerialMemoryResponse(kSubCommand, "Bulk Serial Process Command", payload, dwContext) {
    ReadCommands(payload, kSmallestRecord, m_arrCommands, m_nChipType, payload, m_dwContext);
}

void CRspBulkSerialProcess::DescribeOperations(CStringArray& list) {
    DescribeCommands(m_arrCommands, list);
}

void CRspBulkSerialProcess::WriteOperations(COutBinaryString& out) {
    WriteCommands(m_arrCommands, out);
}
