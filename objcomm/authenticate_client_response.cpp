#include "objcomm/authenticate_client_response.h"

#include "objcomm/describe.h"
#include "objcomm/hex.h"

CRspAuthenticateClient::CRspAuthenticateClient(CInBinaryString& payload, DWORD dwContext)
    : CServerResponse(8, dwContext) {
    payload.ReadBytes(m_arrToken, -1);
}

CStringArray& CRspAuthenticateClient::Describe() {
    BeginDescribe(m_arrDescribe, "Authenticate Client Response");
    AddPair(m_arrDescribe, "Token", ToHex(m_arrToken));
    return m_arrDescribe;
}

COutBinaryString CRspAuthenticateClient::GetData() {
    COutBinaryString out;
    out.SetPrefix(-1).AppendBytes(m_arrToken);
    return out;
}
