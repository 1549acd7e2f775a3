#pragma once
#include <limits>

#include "objcomm/errors.h"
#include "objcomm/export.h"
#include "objcomm/frame_codes.h"
#include "objcomm/length_prefix.h"
#include "platform/types.h"

// Where the fields of one frame lie, as offsets from its first byte. Fields are filled in
// as they are read, so after a failed read the ones before the failure are there.
struct OBJCOMM_API CFrameLayout {
    BYTE nForm = 0;  // kLongForm16, kLongForm32, or the command of a short-form frame
    // The command byte.
    BYTE nCommand = 0;
    size_t nIdentifierOffset = 0;  // the identifier, in the long forms only
    // The identifier's length; 0 in the short form.
    size_t nIdentifierLength = 0;
    // Where the body (the payload) begins.
    size_t nBodyOffset = 0;
    // The body's length, as the frame declares it.
    size_t nBodyLength = 0;

    // The checksum is the frame's last byte.
    size_t GetChecksumOffset() const { return nBodyOffset + nBodyLength; }
    // The whole frame's length.
    size_t GetSize() const { return GetChecksumOffset() + 1; }
};

// As the body limit of ReadFrameLayoutFrom: no limit.
inline constexpr DWORD kAnyBodyLength = std::numeric_limits<DWORD>::max();

// Reads the layout of the frame its source begins with: form, identifier, command, body
// length, then makes sure that the body and the checksum are there. source.EnsureBuffered(n)
// returns once the frame's first n bytes can be read (waiting for them, or throwing when they never
// come); source.At(i) is byte i. A body declared longer than dwMaxBody throws
// CPassThruParseError before anything is asked of the source for it.
template <typename TSource>
void ReadFrameLayoutFrom(TSource& source, CFrameLayout& layout, DWORD dwMaxBody = kAnyBodyLength) {
    size_t nNext = 0;
    const auto nextByte = [&] {
        source.EnsureBuffered(nNext + 1);
        return source.At(nNext++);
    };
    layout.nForm = layout.nCommand = nextByte();
    if (IsLongForm(layout.nForm)) {
        const size_t nLength = nextByte();
        source.EnsureBuffered(nNext + nLength);
        layout.nIdentifierOffset = nNext;
        layout.nIdentifierLength = nLength;
        nNext += nLength;
        layout.nCommand = nextByte();
    }
    const int nBodyMode = layout.nForm == kLongForm32 ? kCountDWord : kCountWord;
    const DWORD dwBody = ReadBigEndian(PrefixWidth(nBodyMode), nextByte);
    if (dwBody > dwMaxBody) throw CPassThruParseError();
    layout.nBodyOffset = nNext;
    layout.nBodyLength = dwBody;
    source.EnsureBuffered(layout.GetSize());
}

// The layout of a frame that has arrived whole. Throws CInBinaryStringException when the
// bytes end inside the frame; bytes after it are no concern of the layout.
OBJCOMM_API void ReadFrameLayout(const CByteArray& frame, CFrameLayout& layout);

// The identifier and the body, copied out of the frame.
OBJCOMM_API CString FrameIdentifier(const CByteArray& frame, const CFrameLayout& layout);
// The body, copied out of the frame.
OBJCOMM_API CByteArray FrameBody(const CByteArray& frame, const CFrameLayout& layout);
