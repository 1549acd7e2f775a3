#pragma once
// What the dissector shows of a frame, worked out by the library and kept apart from
// Wireshark's headers: nothing here throws, whatever the bytes.
#include <string>
#include <vector>

#include "objcomm/frame_reader.h"
#include "platform/types.h"

// How much of the frame at the start of some bytes they hold.
struct CFrameExtent {
    enum EKind {
        kWhole,      // the frame is there, nSize bytes long
        kNeedMore,   // the frame goes on: at least nSize bytes are needed to learn more
        kOversized,  // the frame declares a body over the limit; where it ends is unknowable
    };
    EKind eKind = kWhole;
    size_t nSize = 0;
};

// Where the frame that starts at pBytes ends, by its own length rules.
CFrameExtent MeasureFrame(const BYTE* pBytes, size_t nCount, DWORD dwMaxBody);

// One frame as the library decodes it.
struct CFrameView {
    // The frame's fields; meaningful when bLayoutWhole.
    CFrameLayout layout;
    // Whether the frame held all the fields its layout declares.
    bool bLayoutWhole = false;
    // The class the frame decoded to, e.g. "CRspHealthCheck"; empty when rejected.
    std::string strClass;
    // Why the frame was rejected (a format error's class name); empty when it decoded.
    std::string strError;
    // The exchange tag of a pass-through frame, else 0.
    WORD wTag = 0;
    // The describe list, "Label: value" or a lone text each.
    std::vector<std::string> items;
    // What GetData writes.
    CByteArray data;
    // The Info column's text.
    std::string strInfo;
};

// Decodes one frame: a request through the request decoder, a response through the factory
// with dwContext.
CFrameView ViewFrame(const CByteArray& frame, bool bRequest, DWORD dwContext);
