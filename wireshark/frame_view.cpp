#include "wireshark/frame_view.h"

#include <exception>

#include "objcomm/describe_entries.h"
#include "objcomm/frame_codes.h"
#include "objcomm/frame_decoder.h"
#include "objcomm/request_decoder.h"
#include "platform/format.h"

namespace {

// A source over bytes that may end inside the frame.
struct CBoundedBytes {
    const BYTE* pBytes;
    size_t nCount;

    struct CShort {
        size_t nNeeded;
    };

    void EnsureBuffered(size_t nNeeded) const {
        if (nNeeded > nCount) throw CShort{nNeeded};
    }
    BYTE At(size_t nIndex) const { return pBytes[nIndex]; }
};

// The tag a pass-through frame carries after its sub-command.
WORD PassThroughTag(const CByteArray& frame, const CFrameLayout& layout) {
    if (layout.nCommand != kPassThrough || layout.nBodyLength < 3) return 0;
    const size_t nAt = layout.nBodyOffset + 1;
    return static_cast<WORD>(frame[nAt] << 8 | frame[nAt + 1]);
}

// Lays out the describe list; returns the value of its first pair, which the Info column shows.
std::string AddDescribe(CFrameView& view, const CStringArray& list, const CArray<int>& lone) {
    std::string strFirstValue;
    for (const CDescribeEntry& entry : DescribeEntries(list, lone)) {
        view.items.push_back(entry.bAlone ? entry.strLabel
                                          : entry.strLabel + ": " + entry.strValue);
        if (!entry.bAlone && strFirstValue.empty()) strFirstValue = entry.strValue;
    }
    return strFirstValue;
}

// Each decoder returns the value of the describe list's first pair.
std::string DecodeRequestFrame(const CByteArray& frame, CFrameView& view) {
    const CDecodedRequest request = DecodeRequest(frame);
    if (!request.message) {
        view.strError = request.strProblem.empty() ? "unknown command" : request.strProblem;
        return "";
    }
    CObjCommMessage& message = *request.message;
    view.strClass = ClassName(typeid(message));
    view.data = message.GetData().GetBytes();
    return AddDescribe(view, message.Describe(), {});
}

std::string DecodeResponseFrame(const CByteArray& frame, DWORD dwContext, CFrameView& view) {
    CInBinaryString reader(frame);
    const CDecodedFrame decoded = DecodeFrame(reader, dwContext);
    if (!decoded.response) {
        view.strError = decoded.strError;
        return "";
    }
    view.strClass = ResponseClassName(*decoded.response);
    view.data = decoded.response->GetData().GetBytes();
    // GetLoneEntries names places in the list Describe built last: Describe comes first.
    const CStringArray& list = decoded.response->Describe();
    return AddDescribe(view, list, decoded.response->GetLoneEntries());
}

std::string InfoText(const CFrameView& view, const std::string& strFirstValue) {
    std::string strInfo = view.strError.empty() ? view.strClass : view.strError;
    if (view.wTag != 0) strInfo += FormatText(" tag=0x%04x", view.wTag);
    if (!strFirstValue.empty()) strInfo += " " + strFirstValue;
    return strInfo;
}

}  // namespace

CFrameExtent MeasureFrame(const BYTE* pBytes, size_t nCount, DWORD dwMaxBody) {
    CBoundedBytes source{pBytes, nCount};
    CFrameLayout layout;
    try {
        ReadFrameLayoutFrom(source, layout, dwMaxBody);
        return {CFrameExtent::kWhole, layout.GetSize()};
    } catch (const CBoundedBytes::CShort& cut) {
        return {CFrameExtent::kNeedMore, cut.nNeeded};
    } catch (const CPassThruParseError&) {
        return {CFrameExtent::kOversized, nCount};
    }
}

CFrameView ViewFrame(const CByteArray& frame, bool bRequest, DWORD dwContext) {
    CFrameView view;
    // Whatever the library or the heap throws becomes the frame's error: an exception must
    // never reach Wireshark, which is C and would not unwind it.
    try {
        try {
            ReadFrameLayout(frame, view.layout);
            view.bLayoutWhole = true;
            view.wTag = PassThroughTag(frame, view.layout);
        } catch (const CInBinaryStringException&) {
        }
        const std::string strFirstValue = bRequest ? DecodeRequestFrame(frame, view)
                                                   : DecodeResponseFrame(frame, dwContext, view);
        view.strInfo = InfoText(view, strFirstValue);
    } catch (const std::exception& error) {
        view.strError = view.strInfo = ClassName(typeid(error));
    } catch (...) {
        view.strError = view.strInfo = "unknown exception";
    }
    return view;
}
