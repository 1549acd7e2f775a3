#pragma once
#include "objcomm/describe.h"
#include "objcomm/export.h"
#include "objcomm/field_walks.h"
#include "objcomm/pass_through_response.h"
#include "objcomm/server_response.h"

// A response whose payload is a plain run of fields (CFieldRecord): Describe opens with the
// display name and walks the fields, GetData writes them. TBase is the family's base,
// CServerResponse or CPassThroughResponse. The most derived class reads the fields in its
// constructor, once all of them exist.
template <typename TBase>
class OBJCOMM_API CFieldListResponse : public TBase, public CFieldRecord {
public:
    // The display name, then each field's label and value.
    CStringArray& Describe() override {
        // Without a display name the list opens with the first field.
        if (m_pszDisplayName != nullptr) {
            BeginDescribe(this->m_arrDescribe, m_pszDisplayName);
        } else {
            this->m_arrDescribe.clear();
        }
        m_arrLoneEntries.clear();
        DescribeFields(*this, this->m_arrDescribe, &m_arrLoneEntries);
        return this->m_arrDescribe;
    }
    // The fields, written in wire order.
    COutBinaryString GetData() override {
        COutBinaryString out;
        WriteFields(*this, out);
        return out;
    }
    // The indexes of the captions the last Describe put in the list.
    CArray<int> GetLoneEntries() override { return m_arrLoneEntries; }

protected:
    // nCode is the command or sub-command, as TBase takes it; pszDisplayName opens the describe
    // list, or null for a list that opens with the first field.
    CFieldListResponse(int nCode, const char* pszDisplayName, DWORD dwContext)
        : TBase(nCode, dwContext), m_pszDisplayName(pszDisplayName) {}

private:
    const char* const m_pszDisplayName;
    CArray<int> m_arrLoneEntries;
};

// A response of the server's own whose payload is a run of fields.
using CServerFieldResponse = CFieldListResponse<CServerResponse>;
// A card pass-through response whose payload is a run of fields.
using CPassThroughFieldResponse = CFieldListResponse<CPassThroughResponse>;
