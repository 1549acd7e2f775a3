#pragma once
#include "objcomm/server_response.h"

// The server refused a request; the code says why. Bytes after the code are ignored.
class CRspError : public CServerResponse {
public:
    CRspError(CInBinaryString& payload, DWORD dwContext, bool bHeader);

    bool HasHeader() override { return m_bHeader != 0; }
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    int m_nErrorCode;
    BYTE m_bHeader;
};

// The describe text of an error code; "Unknown Value" outside the table.
const char* GetErrorCodeText(int nCode);
