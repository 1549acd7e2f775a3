#pragma once
#include "objcomm/export.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/serialmem/serial_memory_operation.h"
#include "objcomm/station/serial_memory_response.h"

// One serial memory operation for one chip type.
class OBJCOMM_API CRspSerialMemoryProcess : public CSerialMemoryResponse {
public:
    static constexpr int kSubCommand = 0x0D;

    CRspSerialMemoryProcess(CInBinaryString& payload, DWORD dwContext);

    // Null when the chip type has no operation of the code sent.
    CRCPtr<CSerialMemoryOperation> m_operation;

protected:
    void DescribeOperations(CStringArray& list) override;
    // The operation's wire form.
    void WriteOperations(COutBinaryString& out) override;
};
