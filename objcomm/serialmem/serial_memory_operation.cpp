#include "objcomm/serialmem/serial_memory_operation.h"

#include "objcomm/serialmem/operation_table.h"

CSerialMemoryOperation::CSerialMemoryOperation(int nChipType, BYTE nCode, CInBinaryString&,
                                               DWORD dwContext)
    : m_nChipType(nChipType), m_nCode(nCode), m_dwContext(dwContext) {}

void CSerialMemoryOperation::WriteParameters(COutBinaryString& out) {
    out.AppendWord(0);
}

void CSerialMemoryOperation::DescribeName(CStringArray& list) const {
    list.push_back(GetOperationName(m_nChipType, m_nCode));
}

void CSerialMemoryOperation::Write(COutBinaryString& out) {
    out.AppendByte(m_nCode);
    WriteParameters(out);
}

void CSerialMemoryOperation::DescribeTo(CStringArray& list) {
    list.push_back("Operation");
    DescribeName(list);
    DescribeParameters(list);
}
