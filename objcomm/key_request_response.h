#pragma once
#include "objcomm/key_field.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/server_response.h"

// Tagged fields in arrival order; unlike a key record, no tag is refused.
class CRspKeyRequest : public CServerResponse {
public:
    static constexpr int kCommand = kKeyRequest;

    CRspKeyRequest(CInBinaryString& payload, DWORD dwContext);

    bool HasHeader() override { return false; }
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    CArray<CRCPtr<CKeyField>> m_arrFields;
    CByteArray m_arrSuppliedValue;
};
