#include "objcomm/health_check_request.h"

#include "objcomm/describe.h"

CStringArray& CMsgHealthCheck::Describe() {
    return BeginDescribe(m_arrDescribe, "Health Check Request ");
}
