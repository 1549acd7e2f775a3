#pragma once
#include "objcomm/export.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/serialmem/serial_memory_operation.h"
#include "objcomm/station/command_list.h"
#include "objcomm/station/serial_memory_response.h"

// One command of a Bulk Serial Process: an operation and the bytes it is predicted to
// yield, which the station checks only when there are some.
class OBJCOMM_API CBulkSerialProcessCommand {
public:
    // Reads one command record for the chip type; dwContext is the enclosing response's.
    CBulkSerialProcessCommand(int nChipType, CInBinaryString& reader, DWORD dwContext);
    CBulkSerialProcessCommand(const CBulkSerialProcessCommand&) = delete;
    CBulkSerialProcessCommand& operator=(const CBulkSerialProcessCommand&) = delete;

    // The bytes Encode appends.
    int GetEncodedLength() const;
    // The command record. Its length field is computed afresh, never copied from the one read.
    void Encode(COutBinaryString& out) const;
    // The operation's pairs, then whether the station checks the result, and the result predicted.
    CStringArray& Describe();

    // Null when the chip type has no operation of the code sent.
    CRCPtr<CSerialMemoryOperation> m_operation;
    // What the operation is predicted to yield; empty when the station is not to check.
    CByteArray m_arrPredictedResult;
    // The list Describe fills and returns.
    CStringArray m_arrDescribe;
    // The enclosing response's context.
    DWORD m_dwContext;
};

// A counted list of operations for one chip type. The command length field is two bytes in
// both forms.
class OBJCOMM_API CRspBulkSerialProcess : public CSerialMemoryResponse {
public:
    static constexpr int kSubCommand = 0x0E;

    CRspBulkSerialProcess(CInBinaryString& payload, DWORD dwContext);

    // The commands, in order.
    CArray<CRCPtr<CBulkSerialProcessCommand>> m_arrCommands;

protected:
    void DescribeOperations(CStringArray& list) override;
    // The count, then each command's record.
    void WriteOperations(COutBinaryString& out) override;
};
