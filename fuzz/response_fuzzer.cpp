// Any byte string through the response factory, in both forms: the only way out is a
// response or one of the protocol's own format errors.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "objcomm/errors.h"
#include "objcomm/response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (DWORD context : {0u, 1u}) {
        CInBinaryString frame(CByteArray(data, data + size));
        DWORD tag = 0;
        try {
            std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(frame, &tag, context));
            if (!response) continue;
            response->Describe();
            response->Describe();
            response->GetData();
            response->GetLoneEntries();
        } catch (const CPassThruFormatError&) {
        }
    }
    return 0;
}
