#pragma once
#include "objcomm/server_response.h"

// The token the server hands a client it has authenticated.
class CRspAuthenticateClient : public CServerResponse {
public:
    CRspAuthenticateClient(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    CByteArray m_arrToken;
};
