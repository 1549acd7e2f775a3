#pragma once
// A PC/SC service that answers from a list of names, with pcsc-lite's rules for the list
// buffer, and counts the contexts left open.
#include <cstdint>

#include "app/smart_card_service.h"
#include "platform/types.h"

namespace station_test {

inline constexpr std::int32_t kScardInsufficientBuffer = static_cast<std::int32_t>(0x80100008u);
inline constexpr std::int32_t kScardNoService = static_cast<std::int32_t>(0x8010001Du);
inline constexpr std::int32_t kScardNoReaders = static_cast<std::int32_t>(0x8010002Eu);

class CFakeSmartCardService : public CSmartCardService {
public:
    explicit CFakeSmartCardService(CStringArray arrReaders = {})
        : m_arrReaders(std::move(arrReaders)) {}

    std::int32_t EstablishContext(Context& hContext) override;
    std::int32_t ListReaders(Context hContext, char* mszReaders, std::uint32_t& nLength) override;
    std::int32_t ReleaseContext(Context hContext) override;

    CStringArray m_arrReaders;
    // What EstablishContext answers; nothing is established unless it is 0.
    std::int32_t m_nEstablishStatus = 0;
    int m_nOpenContexts = 0;
};

}  // namespace station_test
