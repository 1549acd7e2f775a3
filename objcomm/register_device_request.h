#pragma once
#include "objcomm/message.h"

// Registers this PC with the Object Communicator under a personalization device name.
class CMsgRegisterDevice : public CObjCommMessage {
public:
    // The overwrite mode is always '2': overwrite the name and use a pseudo IP.
    CMsgRegisterDevice(const CString& strDeviceName, const CByteArray& arrModules,
                       const CString& strOldDeviceName, DWORD dwContext);

    int GetCommand() override { return 6; }
    int GetSubCommand() override { return -1; }
    COutBinaryString GetData() override;
    CStringArray& Describe() override;

    CString m_strDeviceName;
    CString m_strOldDeviceName;
    CByteArray m_arrModules;
    CStringArray m_arrDescribe;
    char m_cOverwriteMode = '2';
};
