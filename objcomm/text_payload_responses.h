#pragma once
#include "objcomm/field_list_response.h"

// Responses whose whole payload is one text, one character per byte, with no length.
class CTextPayloadResponse : public CServerFieldResponse {
public:
    // Final, so that the text is the only field when the constructor reads it.
    void VisitFields(CFieldVisitor& visitor) final;

    CString m_strText;

protected:
    CTextPayloadResponse(int nCommand, CInBinaryString& payload, DWORD dwContext,
                         const char* pszDisplayName, const char* pszLabel);

private:
    const char* const m_pszLabel;
};

class CRspObjectDataLoading : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kObjectDataLoading;
    CRspObjectDataLoading(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, "Data Loaded", "Key Number") {}
};

class CRspRegisterDevice : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kRegisterDevice;
    CRspRegisterDevice(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Retrieve Device Name",
                               "Device Registered") {}
};

class CRspRequestDeviceName : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kRequestDeviceName;
    CRspRequestDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Retrieve Device Name",
                               "Device Name") {}
};

class CRspSetDeviceName : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kSetDeviceName;
    CRspSetDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Set Device Name", "Device Name") {}
};
