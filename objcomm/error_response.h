#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// The server refused a request; the code says why. Bytes after the code are ignored.
class OBJCOMM_API CRspError : public CServerFieldResponse {
public:
    static constexpr int kCommand = kError;

    CRspError(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    // Whether the error came in the long form.
    bool HasHeader() override { return m_bHeader != 0; }
    void VisitFields(CFieldVisitor& visitor) override;

    // Why the server refused the request.
    int m_nErrorCode = 0;
    // Nonzero when the frame was in the long form.
    BYTE m_bHeader;
};
