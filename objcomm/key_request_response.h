#pragma once
#include "objcomm/export.h"
#include "objcomm/key_field.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/server_response.h"

// Tagged fields in arrival order; unlike a key record, no tag is refused.
class OBJCOMM_API CRspKeyRequest : public CServerResponse {
public:
    static constexpr int kCommand = kKeyRequest;

    CRspKeyRequest(CInBinaryString& payload, DWORD dwContext);

    bool HasHeader() override { return false; }
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    // The fields, in arrival order.
    CArray<CRCPtr<CKeyField>> m_arrFields;
    // Bytes that GetData writes, and Describe shows, before the fields; decoding leaves it empty.
    CByteArray m_arrSuppliedValue;
};
