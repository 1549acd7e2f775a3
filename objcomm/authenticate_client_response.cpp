#include "objcomm/authenticate_client_response.h"

#include "objcomm/length_prefix.h"

CRspAuthenticateClient::CRspAuthenticateClient(CInBinaryString& payload, DWORD dwContext)
    : CServerFieldResponse(kCommand, "Authenticate Client Response", dwContext) {
    ReadFields(*this, payload);
}

void CRspAuthenticateClient::VisitFields(CFieldVisitor& visitor) {
    visitor.Block(m_arrToken, kCountByte, "Token");
}
