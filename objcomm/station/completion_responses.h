#pragma once
// The two answers of sub-command 0xFF; the factory tells them apart by the exchange tag.
#include "objcomm/shaped_response.h"

// Tag 0: the station has finished with pass-through mode. Carries nothing; any payload
// bytes are left unread.
inline constexpr CResponseProfile kPassThroughModeFinish{0xFF,
                                                         "Card Processing Finish Acknowledge"};
// clang-format off
struct CRspPassThroughModeFinish : CShaped<kPassThroughModeFinish> { using CShaped::CShaped; };
// clang-format on

// A nonzero tag: the outcome of one card. The DLL error code and the audit data are
// optional as a group; a response without them is written back with "00000" and an empty
// audit block.
class CRspPassThroughModeComplete : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = kPassThroughModeFinish.nSubCommand;

    CRspPassThroughModeComplete(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;
    virtual void GetAuditData(CByteArray& out);
    virtual int GetAcceptCode();
    virtual CString GetDllErrorCode();
    virtual CByteArray* GetAuditDataPtr();

    int m_nAcceptCode = 0;
    CString m_strDllErrorCode = "00000";
    CByteArray m_arrAuditData;
};
