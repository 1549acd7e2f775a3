#include "objcomm/station/completion_responses.h"

#include "objcomm/length_prefix.h"

namespace {

constexpr int kDllErrorCodeLength = 5;

// Only 0x00 is a good card; 0x01 failed but may be used again, the DLL error code says why.
constexpr CodeText kAcceptCodeTexts[] = {
    {0x00, "OK Card"},
    {0x01, "Card failed, but resusable, see error code for detail"},
    {0x91, "Checksum error in command packet."},
    {0x92, "Command packet header mismatch."},
    {0x93, "Unknown command."},
    {0x94, "Command data is corrupted."},
    {0xD0, "Cannot find DLL"},
    {0xD1, "Cannot load DLL properly"},
    {0xD2, "The Pellam application version is unknown."},
    {0xD4, "Resend time exceeds Max(3)"},
    {0xD5,
     "Unable to get response back from Pellam application after sending message to it in a "
     "period of time (configurable)"},
    {0xD8, "The application name is blank."},
    {0xD9, "The application configuration is invalid or missing."},
    {0xE0, "The data reference is unknown."},
    {0xE1, "A Resource Controller error was encountered."},
    {0xE2, "The module or station is invalid."},
    {0xE3, "The Pellam application threw an unhandled exception."},
    {0xE4, "Unable to acquire thread exclusive resources."},
    {0xFA, "ETBP device conflict."},
    {0xFB, "An internal failure occurred."},
    {0xFC, "Pellam initialization failed."},
    {0xFD, "Non-ASCII character in DLL error code returned by Pellam application."},
    {0xFE, "Pellam application returned an unknown accept code."},
    {0xFF, "Dll error"},
};
constexpr CTextTable kAcceptCodes{kAcceptCodeTexts, kUnknownValue};

}  // namespace

CRspPassThroughModeComplete::CRspPassThroughModeComplete(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Card Processing Complete", dwContext) {
    ReadFields(*this, payload);
}

void CRspPassThroughModeComplete::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nAcceptCode, 1, "Accept Code", kAcceptCodes);
    if (!visitor.HasMore()) return;
    visitor.Text(m_strDllErrorCode, kDllErrorCodeLength, "Dll returned error");
    visitor.Block(m_arrAuditData, kCountWord, "Audit Data", "None");
}

void CRspPassThroughModeComplete::GetAuditData(CByteArray& out) {
    out = m_arrAuditData;
}

int CRspPassThroughModeComplete::GetAcceptCode() {
    return m_nAcceptCode;
}

CString CRspPassThroughModeComplete::GetDllErrorCode() {
    return m_strDllErrorCode;
}

CByteArray* CRspPassThroughModeComplete::GetAuditDataPtr() {
    return &m_arrAuditData;
}
