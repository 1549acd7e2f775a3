#pragma once
#include "objcomm/server_response.h"

// Responses whose whole payload is one text, one character per byte, with no length.
class CTextPayloadResponse : public CServerResponse {
public:
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

protected:
    CTextPayloadResponse(int nCommand, CInBinaryString& payload, DWORD dwContext,
                         const char* pszDisplayName, const char* pszLabel);

    CString m_strText;

private:
    const char* m_pszDisplayName;
    const char* m_pszLabel;
};

class CRspObjectDataLoading : public CTextPayloadResponse {
public:
    CRspObjectDataLoading(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(5, payload, dwContext, "Data Loaded", "Key Number") {}
    const CString& GetKeyNumber() const { return m_strText; }
};

class CRspRegisterDevice : public CTextPayloadResponse {
public:
    CRspRegisterDevice(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(6, payload, dwContext, " Retrieve Device Name",
                               "Device Registered") {}
    const CString& GetDeviceName() const { return m_strText; }
};

class CRspRequestDeviceName : public CTextPayloadResponse {
public:
    CRspRequestDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(7, payload, dwContext, " Retrieve Device Name", "Device Name") {}
    const CString& GetDeviceName() const { return m_strText; }
};

class CRspSetDeviceName : public CTextPayloadResponse {
public:
    CRspSetDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(9, payload, dwContext, " Set Device Name", "Device Name") {}
    const CString& GetDeviceName() const { return m_strText; }
};
