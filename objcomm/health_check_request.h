#pragma once
#include "objcomm/frame_codes.h"
#include "objcomm/message.h"

// Asks the Object Communicator to prove that it answers. The payload is empty.
class CMsgHealthCheck : public CObjCommMessage {
public:
    static constexpr int kCommand = kHealthCheck;
    // The context the station sends it with.
    static constexpr DWORD kStationContext = 0;

    CMsgHealthCheck(bool bHeader, DWORD dwContext)
        : CObjCommMessage(dwContext), m_bHeader(bHeader) {}

    int GetCommand() override { return kCommand; }
    int GetSubCommand() override { return kNoSubCommand; }
    bool HasHeader() override { return m_bHeader != 0; }
    COutBinaryString GetData() override { return COutBinaryString(); }
    CStringArray& Describe() override;

    CStringArray m_arrDescribe;
    BYTE m_bHeader;
};
