// Any byte string through the request decoder that serve answers with: it never throws, a
// rebuilt request writes and describes itself, and serve's log line of it is printable ASCII
// and one line, so no client can forge a line or reach the terminal.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "objcomm/request_decoder.h"
#include "tools/objcomm/request_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CByteArray frame(data, data + size);
    const CDecodedRequest request = DecodeRequest(frame);
    if (request.message) {
        request.message->GetData();
        request.message->Describe();
    }
    for (const bool bJson : {false, true}) {
        std::ostringstream line;
        PrintRequestLog(line, frame, request, bJson);
        const std::string text = line.str();
        for (size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if ((c == '\n') != (i + 1 == text.size()) || (c != '\n' && (c < 0x20 || c > 0x7E))) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
