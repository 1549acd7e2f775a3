#pragma once
#include "objcomm/message.h"

// Asks the Object Communicator to prove that it answers. The payload is empty.
class CMsgHealthCheck : public CObjCommMessage {
public:
    CMsgHealthCheck(bool bHeader, DWORD dwContext)
        : CObjCommMessage(dwContext), m_bHeader(bHeader) {}

    int GetCommand() override { return 0x99; }
    int GetSubCommand() override { return -1; }
    bool HasHeader() override { return m_bHeader != 0; }
    COutBinaryString GetData() override { return COutBinaryString(); }
    CStringArray& Describe() override;

    CStringArray m_arrDescribe;
    BYTE m_bHeader;
};
