#include "app/smart_card_readers.h"

#include <cstring>

namespace {
// Every name with its terminating zero, and the final empty name, must fit.
constexpr std::uint32_t kReaderListChars = 1024;
}  // namespace

std::int32_t ListSmartCardReaders(CStringArray& arrReaders, CSmartCardService& service) {
    arrReaders.clear();
    CSmartCardService::Context hContext = 0;
    std::int32_t status = service.EstablishContext(hContext);
    if (status != 0) return status;

    char mszReaders[kReaderListChars] = {};
    std::uint32_t nLength = kReaderListChars;
    status = service.ListReaders(hContext, mszReaders, nLength);
    if (status != 0) {
        service.ReleaseContext(hContext);
        return status;
    }
    // The walk stays inside the buffer even if a service left the list unterminated.
    const char* const pEnd = mszReaders + kReaderListChars;
    for (const char* pName = mszReaders; pName < pEnd && *pName != '\0';) {
        const size_t nName = strnlen(pName, static_cast<size_t>(pEnd - pName));
        if (pName + nName == pEnd) break;
        arrReaders.emplace_back(pName, nName);
        pName += nName + 1;
    }
    return service.ReleaseContext(hContext);
}
