#pragma once
#include "objcomm/field_list_response.h"

// The token the server hands a client it has authenticated.
class CRspAuthenticateClient : public CServerFieldResponse {
public:
    static constexpr int kCommand = kAuthenticateClient;

    CRspAuthenticateClient(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;

    CByteArray m_arrToken;
};
