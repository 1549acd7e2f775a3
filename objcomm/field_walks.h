#pragma once
#include "objcomm/export.h"
#include "objcomm/field_visitor.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// A record whose fields one function declares, in wire order (see CFieldVisitor): a
// response's payload, a request's, a serial memory operation's parameters.
class OBJCOMM_API CFieldRecord {
public:
    // Hands every field of the record to the visitor, in wire order.
    virtual void VisitFields(CFieldVisitor& visitor) = 0;

protected:
    ~CFieldRecord() = default;
};

// The walks over a record's fields. Reading throws CInBinaryStringException when the payload
// ends before a field does.
OBJCOMM_API void ReadFields(CFieldRecord& record, CInBinaryString& payload);
// Appends the record's fields to out.
OBJCOMM_API void WriteFields(CFieldRecord& record, COutBinaryString& out);
// The bytes WriteFields appends.
OBJCOMM_API size_t GetFieldsLength(CFieldRecord& record);
// Appends each shown field's label and value. A caption stands alone where a label would
// stand; the index of each goes to *pLoneEntries when it is given.
OBJCOMM_API void DescribeFields(CFieldRecord& record, CStringArray& list,
                                CArray<int>* pLoneEntries = nullptr);
