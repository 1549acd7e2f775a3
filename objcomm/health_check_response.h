#pragma once
#include "objcomm/server_response.h"

// The server's answer to a Health Check. Anything in the payload is ignored.
class CRspHealthCheck : public CServerResponse {
public:
    CRspHealthCheck(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    bool HasHeader() override { return m_bHeader != 0; }
    CStringArray& Describe() override;

    BYTE m_bHeader;
};
