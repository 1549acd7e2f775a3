#include "objcomm/health_check_response.h"

#include "objcomm/describe.h"

CRspHealthCheck::CRspHealthCheck(CInBinaryString&, DWORD dwContext, bool bHeader)
    : CServerResponse(0x99, dwContext), m_bHeader(bHeader) {}

CStringArray& CRspHealthCheck::Describe() {
    return BeginDescribe(m_arrDescribe, "Health Request Acknowledge");
}
