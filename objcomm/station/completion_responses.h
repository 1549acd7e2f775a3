#pragma once
// The two answers of sub-command 0xFF; the factory tells them apart by the exchange tag.
#include "objcomm/export.h"
#include "objcomm/shaped_response.h"

// Tag 0: the station has finished with pass-through mode. Carries nothing; any payload
// bytes are left unread.
inline constexpr CResponseProfile kPassThroughModeFinish{0xFF,
                                                         "Card Processing Finish Acknowledge"};
// clang-format off
struct OBJCOMM_API CRspPassThroughModeFinish : CShaped<kPassThroughModeFinish> { using CShaped::CShaped; };
// clang-format on

// A nonzero tag: the outcome of one card. The DLL error code and the audit data are
// optional as a group; a response without them is written back with "00000" and an empty
// audit block.
class OBJCOMM_API CRspPassThroughModeComplete : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = kPassThroughModeFinish.nSubCommand;

    CRspPassThroughModeComplete(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;
    // Copies the audit data to out.
    virtual void GetAuditData(CByteArray& out);
    // The accept code.
    virtual int GetAcceptCode();
    // The DLL error code.
    virtual CString GetDllErrorCode();
    // The audit data, in place.
    virtual CByteArray* GetAuditDataPtr();

    // The card's outcome: 0x00 a good card, 0x01 failed but reusable (see the DLL error code), else
    // why processing failed.
    int m_nAcceptCode = 0;
    // The five characters the personalization DLL returned.
    CString m_strDllErrorCode = "00000";
    // The audit record of the card.
    CByteArray m_arrAuditData;
};
