#include "objcomm/error_response.h"

namespace {
constexpr CodeText kErrorCodes[] = {
    {0x09, "Data Not Found"},     {0x91, "Bad CheckSum"},  {0x92, "Data Expired"},
    {0x93, "UnKnown Command"},    {0x94, "Invalid Field"}, {0x95, "Invalid Date"},
    {0x96, "Data Already Exist"},
};
constexpr CTextTable kErrorTexts{kErrorCodes, kUnknownValue};
}  // namespace

CRspError::CRspError(CInBinaryString& payload, DWORD dwContext, bool bHeader)
    : CServerFieldResponse(kCommand, "Resend Data", dwContext), m_bHeader(bHeader) {
    ReadFields(*this, payload);
}

void CRspError::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nErrorCode, 1, "Error Code", kErrorTexts);
}
