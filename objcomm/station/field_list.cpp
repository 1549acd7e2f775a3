#include "objcomm/station/field_list.h"

#include "objcomm/station/field_kinds.h"

void CFieldList::WriteFields(COutBinaryString& out) const {
    for (const CField* pField : m_fields) pField->Write(out);
}

void CFieldList::DescribeFields(CStringArray& list, CArray<int>* pLoneEntries) const {
    for (const CField* pField : m_fields) {
        const size_t nBefore = list.size();
        pField->Describe(list);
        if (pLoneEntries != nullptr && list.size() == nBefore + 1)
            pLoneEntries->push_back(static_cast<int>(nBefore));
    }
}
