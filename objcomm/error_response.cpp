#include "objcomm/error_response.h"

#include "objcomm/code_table.h"
#include "objcomm/describe.h"

namespace {
constexpr CodeText kErrorCodes[] = {
    {0x09, "Data Not Found"}, {0x91, "Bad CheckSum"},  {0x92, "Data Expired"},
    {0x93, "UnKnown Command"}, {0x94, "Invalid Field"}, {0x95, "Invalid Date"},
    {0x96, "Data Already Exist"},
};
}  // namespace

const char* GetErrorCodeText(int nCode) {
    return LookupText(kErrorCodes, static_cast<unsigned>(nCode), "Unknown Value");
}

CRspError::CRspError(CInBinaryString& payload, DWORD dwContext, bool bHeader)
    : CServerResponse(0xFF, dwContext), m_nErrorCode(payload.ReadByte()), m_bHeader(bHeader) {}

CStringArray& CRspError::Describe() {
    BeginDescribe(m_arrDescribe, "Resend Data");
    AddPair(m_arrDescribe, "Error Code", GetErrorCodeText(m_nErrorCode));
    return m_arrDescribe;
}

COutBinaryString CRspError::GetData() {
    COutBinaryString out;
    out.AppendByte(static_cast<BYTE>(m_nErrorCode));
    return out;
}
