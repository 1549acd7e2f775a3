#pragma once
#include <vector>

#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

class CField;

// The fields of a regular record (a response's payload, a serial memory operation's
// parameters), in the order they were declared. Each field reads itself while its record is
// constructed and enrols here, so writing and describing walk the order parsing took.
class CFieldList {
protected:
    CFieldList(CInBinaryString& payload, bool bExtended)
        : m_pPayload(&payload), m_bExtended(bExtended) {}
    ~CFieldList() = default;

public:
    // The list holds its record's own fields: a copy would point into the original.
    CFieldList(const CFieldList&) = delete;
    CFieldList& operator=(const CFieldList&) = delete;

    void WriteFields(COutBinaryString& out) const;
    // A field that adds a single entry has put a text where a label would stand; the index of
    // each such entry goes to *pLoneEntries when it is given.
    void DescribeFields(CStringArray& list, CArray<int>* pLoneEntries = nullptr) const;

private:
    friend class CField;

    // The reader the fields take their bytes from; valid only while the record is being
    // constructed, which is the only time a field reads.
    CInBinaryString* const m_pPayload;
    const bool m_bExtended;
    std::vector<CField*> m_fields;
};
