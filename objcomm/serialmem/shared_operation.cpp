#include "objcomm/serialmem/shared_operation.h"

#include "objcomm/describe.h"
#include "objcomm/serialmem/operation_table.h"

namespace {
// The code byte and the parameter length word.
constexpr int kOperationHeader = 3;
}  // namespace

CRCPtr<CSerialMemoryOperation> ReadOperation(int nChipType, CInBinaryString& reader,
                                             DWORD dwContext) {
    return CRCPtr<CSerialMemoryOperation>(
        CSerialMemoryOperation::Create(nChipType, reader, dwContext));
}

int GetOperationLength(const CRCPtr<CSerialMemoryOperation>& operation) {
    return operation.IsNull() ? 0 : kOperationHeader + operation->GetParameterLength();
}

void WriteOperation(const CRCPtr<CSerialMemoryOperation>& operation, COutBinaryString& out) {
    if (!operation.IsNull()) operation->Write(out);
}

void DescribeOperation(const CRCPtr<CSerialMemoryOperation>& operation, CStringArray& list) {
    if (operation.IsNull()) {
        AddPair(list, "Operation", kUnknownOperation);
    } else {
        operation->DescribeTo(list);
    }
}
