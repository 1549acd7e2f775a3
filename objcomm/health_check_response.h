#pragma once
#include "objcomm/field_list_response.h"

// The server's answer to a Health Check. Anything in the payload is ignored.
class CRspHealthCheck : public CServerFieldResponse {
public:
    static constexpr int kCommand = kHealthCheck;

    CRspHealthCheck(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    bool HasHeader() override { return m_bHeader != 0; }
    void VisitFields(CFieldVisitor&) override {}

    BYTE m_bHeader;
};
