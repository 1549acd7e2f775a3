#pragma once
#include "objcomm/field_list_response.h"

// The server refused a request; the code says why. Bytes after the code are ignored.
class CRspError : public CServerFieldResponse {
public:
    static constexpr int kCommand = kError;

    CRspError(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    bool HasHeader() override { return m_bHeader != 0; }
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nErrorCode = 0;
    BYTE m_bHeader;
};
