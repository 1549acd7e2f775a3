#pragma once
#include "objcomm/export.h"
#include "objcomm/field_walks.h"
#include "objcomm/frame_codes.h"
#include "objcomm/message.h"

// Registers this PC with the Object Communicator under a personalization device name.
class OBJCOMM_API CMsgRegisterDevice : public CObjCommMessage, public CFieldRecord {
public:
    static constexpr int kCommand = kRegisterDevice;
    // The context the station sends it with.
    static constexpr DWORD kStationContext = 1;
    // The overwrite mode: overwrite the name and use a pseudo IP.
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

    // How the server is to treat a name already registered.
    char m_cOverwriteMode = kOverwriteWithPseudoIp;
    // The name the station was registered under before, if any.
    CString m_strOldDeviceName;
    // The name to register the station under.
    CString m_strDeviceName;
    // The station's modules, one a byte.
    CByteArray m_arrModules;
    // The list Describe fills and returns.
    CStringArray m_arrDescribe;
};
