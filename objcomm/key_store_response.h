#pragma once
#include "objcomm/key_record.h"
#include "objcomm/server_response.h"

// The attributes of one stored key. Expected in the short form, accepted in either.
class CRspKeyStore : public CServerResponse {
public:
    static constexpr int kCommand = kKeyStore;

    CRspKeyStore(CInBinaryString& payload, DWORD dwContext);

    bool HasHeader() override { return false; }
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    CKeyRecord m_record;
};
