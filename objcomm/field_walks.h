#pragma once
#include "objcomm/field_visitor.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// A record whose fields one function declares, in wire order (see CFieldVisitor): a
// response's payload, a request's, a serial memory operation's parameters.
class CFieldRecord {
public:
    virtual void VisitFields(CFieldVisitor& visitor) = 0;

protected:
    ~CFieldRecord() = default;
};

// The walks over a record's fields. Reading throws CInBinaryStringException when the payload
// ends before a field does.
void ReadFields(CFieldRecord& record, CInBinaryString& payload);
void WriteFields(CFieldRecord& record, COutBinaryString& out);
// The bytes WriteFields appends.
size_t GetFieldsLength(CFieldRecord& record);
// Appends each shown field's label and value. A caption stands alone where a label would
// stand; the index of each goes to *pLoneEntries when it is given.
void DescribeFields(CFieldRecord& record, CStringArray& list, CArray<int>* pLoneEntries = nullptr);
