#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// The server's answer to a Health Check. Anything in the payload is ignored.
class OBJCOMM_API CRspHealthCheck : public CServerFieldResponse {
public:
    static constexpr int kCommand = kHealthCheck;

    CRspHealthCheck(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    // Whether the answer came in the long form.
    bool HasHeader() override { return m_bHeader != 0; }
    void VisitFields(CFieldVisitor&) override {}

    // Nonzero when the frame was in the long form.
    BYTE m_bHeader;
};
