#include "objcomm/station/serial_memory_response.h"

#include "objcomm/describe.h"
#include "objcomm/serialmem/chip_types.h"

CSerialMemoryResponse::CSerialMemoryResponse(int nSubCommand, const char* pszDisplayName,
                                             CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(nSubCommand, dwContext),
      m_nChipType(payload.ReadByte()),
      m_pszDisplayName(pszDisplayName) {}

CStringArray& CSerialMemoryResponse::Describe() {
    BeginDescribe(m_arrDescribe, m_pszDisplayName);
    AddPair(m_arrDescribe, "Chip Type", kChipTypes.Text(m_nChipType));
    DescribeOperations(m_arrDescribe);
    return m_arrDescribe;
}

COutBinaryString CSerialMemoryResponse::GetData() {
    COutBinaryString out;
    out.AppendByte(static_cast<BYTE>(m_nChipType));
    WriteOperations(out);
    return out;
}
