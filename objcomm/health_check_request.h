#pragma once
#include "objcomm/export.h"
#include "objcomm/frame_codes.h"
#include "objcomm/message.h"

// Asks the Object Communicator to prove that it answers. The payload is empty.
class OBJCOMM_API CMsgHealthCheck : public CObjCommMessage {
public:
    static constexpr int kCommand = kHealthCheck;
    // The context the station sends it with.
    static constexpr DWORD kStationContext = 0;

    // bHeader: frame it in the long form, with the identifier.
    CMsgHealthCheck(bool bHeader, DWORD dwContext)
        : CObjCommMessage(dwContext), m_bHeader(bHeader) {}

    int GetCommand() override { return kCommand; }
    int GetSubCommand() override { return kNoSubCommand; }
    bool HasHeader() override { return m_bHeader != 0; }
    COutBinaryString GetData() override { return COutBinaryString(); }
    CStringArray& Describe() override;

    // The list Describe fills and returns.
    CStringArray m_arrDescribe;
    // Nonzero to frame the request in the long form.
    BYTE m_bHeader;
};
