#pragma once
#include "objcomm/field_walks.h"
#include "objcomm/frame_codes.h"
#include "objcomm/message.h"

// Registers this PC with the Object Communicator under a personalization device name.
class CMsgRegisterDevice : public CObjCommMessage, public CFieldRecord {
public:
    static constexpr int kCommand = kRegisterDevice;
    // The context the station sends it with.
    static constexpr DWORD kStationContext = 1;
    static constexpr char kOverwriteWithPseudoIp = '2';

    // The overwrite mode is always '2': overwrite the name and use a pseudo IP.
    CMsgRegisterDevice(const CString& strDeviceName, const CByteArray& arrModules,
                       const CString& strOldDeviceName, DWORD dwContext);
    // The request as a server receives it: its fields read from the payload, which throws
    // CInBinaryStringException when it ends early.
    CMsgRegisterDevice(CInBinaryString& payload, DWORD dwContext);

    int GetCommand() override { return kCommand; }
    int GetSubCommand() override { return kNoSubCommand; }
    COutBinaryString GetData() override;
    CStringArray& Describe() override;
    void VisitFields(CFieldVisitor& visitor) override;

    char m_cOverwriteMode = kOverwriteWithPseudoIp;
    CString m_strOldDeviceName;
    CString m_strDeviceName;
    CByteArray m_arrModules;
    CStringArray m_arrDescribe;
};
