#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// Responses whose whole payload is one text, one character per byte, with no length.
class OBJCOMM_API CTextPayloadResponse : public CServerFieldResponse {
public:
    // Final, so that the text is the only field when the constructor reads it.
    void VisitFields(CFieldVisitor& visitor) final;

    // The text.
    CString m_strText;

protected:
    // Reads the text; pszDisplayName opens the describe list, pszLabel labels the text.
    CTextPayloadResponse(int nCommand, CInBinaryString& payload, DWORD dwContext,
                         const char* pszDisplayName, const char* pszLabel);

private:
    const char* const m_pszLabel;
};

// The server has loaded an object's data; the text is the key number.
class OBJCOMM_API CRspObjectDataLoading : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kObjectDataLoading;
    CRspObjectDataLoading(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, "Data Loaded", "Key Number") {}
};

// The server has registered the station; the text is the name it is registered under.
class OBJCOMM_API CRspRegisterDevice : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kRegisterDevice;
    CRspRegisterDevice(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Retrieve Device Name",
                               "Device Registered") {}
};

// The name the station is registered under.
class OBJCOMM_API CRspRequestDeviceName : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kRequestDeviceName;
    CRspRequestDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Retrieve Device Name",
                               "Device Name") {}
};

// The server has set the station's name; the text is the name.
class OBJCOMM_API CRspSetDeviceName : public CTextPayloadResponse {
public:
    static constexpr int kCommand = kSetDeviceName;
    CRspSetDeviceName(CInBinaryString& payload, DWORD dwContext)
        : CTextPayloadResponse(kCommand, payload, dwContext, " Set Device Name", "Device Name") {}
};
