// Any byte string through the response factory, in both forms: the only way out is a
// response or one of the protocol's own format errors, and decode's text output of it is
// printable ASCII and line ends only, so no frame reaches a terminal as a control sequence
// or forges a line.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>

#include "objcomm/errors.h"
#include "objcomm/response.h"
#include "tools/objcomm/response_printer.h"

namespace {

void RequirePlainText(const std::string& text) {
    for (const unsigned char c : text) {
        if (c != '\n' && (c < 0x20 || c > 0x7E)) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (DWORD context : {0u, 1u}) {
        CInBinaryString frame(CByteArray(data, data + size));
        DWORD tag = 0;
        try {
            std::unique_ptr<CObjCommResponse> response(
                CObjCommResponse::Create(frame, &tag, context));
            if (!response) continue;
            response->Describe();
            response->Describe();
            response->GetData();
            response->GetLoneEntries();
        } catch (const CPassThruFormatError&) {
        }
        std::ostringstream text;
        PrintDecodedFrame(text, DecodeFrame(frame, context), false);
        RequirePlainText(text.str());
    }
    return 0;
}
