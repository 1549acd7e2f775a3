#pragma once
#include "objcomm/export.h"
#include "objcomm/key_record.h"
#include "objcomm/server_response.h"

// The attributes of one stored key. Expected in the short form, accepted in either.
class OBJCOMM_API CRspKeyStore : public CServerResponse {
public:
    static constexpr int kCommand = kKeyStore;

    CRspKeyStore(CInBinaryString& payload, DWORD dwContext);

    bool HasHeader() override { return false; }
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    // The key's attributes.
    CKeyRecord m_record;
};
