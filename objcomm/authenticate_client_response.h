#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// The token the server hands a client it has authenticated.
class OBJCOMM_API CRspAuthenticateClient : public CServerFieldResponse {
public:
    static constexpr int kCommand = kAuthenticateClient;

    CRspAuthenticateClient(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;

    // The token, after its one-byte length.
    CByteArray m_arrToken;
};
