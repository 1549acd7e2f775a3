#include "objcomm/station/serial_memory_process_response.h"

#include "objcomm/serialmem/shared_operation.h"

CRspSerialMemoryProcess::CRspSerialMemoryProcess(CInBinaryString& payload, DWORD dwContext)
    : CSerialMemoryResponse(kSubCommand, "Serial Memory Process", payload, dwContext),
      m_operation(ReadOperation(m_nChipType, payload, dwContext)) {}

void CRspSerialMemoryProcess::DescribeOperations(CStringArray& list) {
    DescribeOperation(m_operation, list);
}

void CRspSerialMemoryProcess::WriteOperations(COutBinaryString& out) {
    WriteOperation(m_operation, out);
}
