// The one file that includes winscard.h: its DWORD and LONG are unsigned long and long,
// eight bytes here, so every value is converted at this boundary.
#include "app/pcsc_lite_service.h"

#include <winscard.h>

namespace {

// PC/SC statuses are 32-bit codes such as 0x8010001D; pcsc-lite widens them to long.
std::int32_t Status(LONG rv) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rv));
}

class CPcscLiteService final : public CSmartCardService {
public:
    std::int32_t EstablishContext(Context& hContext) override {
        SCARDCONTEXT hPcscContext = 0;
        const LONG rv = SCardEstablishContext(SCARD_SCOPE_USER, nullptr, nullptr, &hPcscContext);
        hContext = static_cast<Context>(hPcscContext);
        return Status(rv);
    }

    std::int32_t ListReaders(Context hContext, char* mszReaders, std::uint32_t& nLength) override {
        DWORD cchReaders = nLength;
        const LONG rv =
            SCardListReaders(static_cast<SCARDCONTEXT>(hContext), nullptr, mszReaders, &cchReaders);
        nLength = static_cast<std::uint32_t>(cchReaders);
        return Status(rv);
    }

    std::int32_t ReleaseContext(Context hContext) override {
        return Status(SCardReleaseContext(static_cast<SCARDCONTEXT>(hContext)));
    }
};

}  // namespace

CSmartCardService& PcscLiteService() {
    static CPcscLiteService service;
    return service;
}
