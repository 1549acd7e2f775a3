#include "tests/app/fake_smart_card_service.h"

#include <cstring>

namespace station_test {

std::int32_t CFakeSmartCardService::EstablishContext(Context& hContext) {
    if (m_nEstablishStatus != 0) return m_nEstablishStatus;
    ++m_nOpenContexts;
    hContext = 1;
    return 0;
}

std::int32_t CFakeSmartCardService::ListReaders(Context, char* mszReaders, std::uint32_t& nLength) {
    if (m_arrReaders.empty()) return kScardNoReaders;
    CString strList;
    for (const CString& strName : m_arrReaders) strList += strName + '\0';
    strList += '\0';
    const auto nNeeded = static_cast<std::uint32_t>(strList.size());
    const bool bFits = nNeeded <= nLength;
    nLength = nNeeded;
    if (!bFits) return kScardInsufficientBuffer;
    std::memcpy(mszReaders, strList.data(), nNeeded);
    return 0;
}

std::int32_t CFakeSmartCardService::ReleaseContext(Context) {
    --m_nOpenContexts;
    return 0;
}

}  // namespace station_test
