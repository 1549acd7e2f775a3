#pragma once
#include "objcomm/export.h"
#include "objcomm/key_record.h"
#include "objcomm/server_response.h"

// A general object request: the attributes asked for, the items to search by and the
// items found, each section sized by its own length field.
class OBJCOMM_API CRspObjectRequest : public CServerResponse {
public:
    static constexpr int kCommand = kObjectRequest;

    CRspObjectRequest(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    // The tags of the attributes asked for, one a byte.
    CByteArray m_arrRequestedFields;
    // The attributes to search by.
    CKeyRecord m_searchItems;
    // The attributes found.
    CKeyRecord m_responseItems;
};
