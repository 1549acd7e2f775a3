#pragma once
// How the serial memory responses hold an operation: shared through CRCPtr, and null when
// their chip type has no operation of the code read. A missing operation shows as
// "Operation", "Unknown Operation" and takes no bytes on the way out.
#include "objcomm/rc_ptr.h"
#include "objcomm/serialmem/serial_memory_operation.h"

CRCPtr<CSerialMemoryOperation> ReadOperation(int nChipType, CInBinaryString& reader,
                                             DWORD dwContext);
// The bytes WriteOperation appends: code, length word and parameters, or none.
int GetOperationLength(const CRCPtr<CSerialMemoryOperation>& operation);
void WriteOperation(const CRCPtr<CSerialMemoryOperation>& operation, COutBinaryString& out);
void DescribeOperation(const CRCPtr<CSerialMemoryOperation>& operation, CStringArray& list);
