#pragma once
// How the serial memory responses hold an operation: shared through CRCPtr, and null when
// their chip type has no operation of the code read. A missing operation shows as
// "Operation", "Unknown Operation" and takes no bytes on the way out.
#include "objcomm/export.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/serialmem/serial_memory_operation.h"

// Reads one operation (CSerialMemoryOperation::Create), shared; null when the chip type has none of
// the code.
OBJCOMM_API CRCPtr<CSerialMemoryOperation> ReadOperation(int nChipType, CInBinaryString& reader,
                                                         DWORD dwContext);
// The bytes WriteOperation appends: code, length word and parameters, or none.
OBJCOMM_API int GetOperationLength(const CRCPtr<CSerialMemoryOperation>& operation);
// Appends the operation's wire form; nothing for a missing one.
OBJCOMM_API void WriteOperation(const CRCPtr<CSerialMemoryOperation>& operation,
                                COutBinaryString& out);
// Appends the operation's describe pairs, or "Operation", "Unknown Operation" for a missing one.
OBJCOMM_API void DescribeOperation(const CRCPtr<CSerialMemoryOperation>& operation,
                                   CStringArray& list);
