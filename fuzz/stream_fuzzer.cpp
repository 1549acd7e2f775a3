// Any byte stream cut into frames the way the Wireshark plugin cuts a TCP stream, each
// frame viewed as a request and as a response, plain and extended: no exception escapes,
// every cut moves on, and a frame that decodes has a class and a describe list.
#include <cstddef>
#include <cstdint>

#include "objcomm/connection.h"
#include "wireshark/frame_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (size_t nOffset = 0; nOffset < size;) {
        const size_t nLeft = size - nOffset;
        const CFrameExtent extent =
            MeasureFrame(data + nOffset, nLeft, CObjCommConnection::kMaxBodyLength);
        if (extent.eKind == CFrameExtent::kNeedMore && extent.nSize <= nLeft) __builtin_trap();
        if (extent.eKind == CFrameExtent::kNeedMore) break;
        const size_t nSize = extent.eKind == CFrameExtent::kWhole ? extent.nSize : nLeft;
        if (nSize == 0 || nSize > nLeft) __builtin_trap();
        const CByteArray frame(data + nOffset, data + nOffset + nSize);
        for (const bool bRequest : {true, false}) {
            for (const DWORD dwContext : {0u, 1u}) {
                const CFrameView view = ViewFrame(frame, bRequest, dwContext);
                if (view.strError.empty() == view.strClass.empty()) __builtin_trap();
                if (view.strInfo.empty()) __builtin_trap();
            }
        }
        nOffset += nSize;
    }
    return 0;
}
