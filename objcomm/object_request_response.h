#pragma once
#include "objcomm/key_record.h"
#include "objcomm/server_response.h"

// A general object request: the attributes asked for, the items to search by and the
// items found, each section sized by its own length field.
class CRspObjectRequest : public CServerResponse {
public:
    static constexpr int kCommand = kObjectRequest;

    CRspObjectRequest(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    CByteArray m_arrRequestedFields;
    CKeyRecord m_searchItems;
    CKeyRecord m_responseItems;
};
