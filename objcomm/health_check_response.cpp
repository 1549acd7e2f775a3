#include "objcomm/health_check_response.h"

CRspHealthCheck::CRspHealthCheck(CInBinaryString&, DWORD dwContext, bool bHeader)
    : CServerFieldResponse(kCommand, "Health Request Acknowledge", dwContext), m_bHeader(bHeader) {}
