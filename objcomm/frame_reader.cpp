#include "objcomm/frame_reader.h"

namespace {

// The bytes of a frame that is all there: nothing to wait for, and a frame that claims more
// than there is ends where the bytes end.
struct CWholeFrame {
    const CByteArray& bytes;

    void EnsureBuffered(size_t nCount) const {
        if (nCount > bytes.size()) throw CInBinaryStringException{static_cast<int>(bytes.size())};
    }
    BYTE At(size_t nIndex) const { return bytes[nIndex]; }
};

template <typename T>
T Slice(const CByteArray& frame, size_t nOffset, size_t nLength) {
    const auto first = frame.begin() + static_cast<std::ptrdiff_t>(nOffset);
    return T(first, first + static_cast<std::ptrdiff_t>(nLength));
}

}  // namespace

void ReadFrameLayout(const CByteArray& frame, CFrameLayout& layout) {
    CWholeFrame source{frame};
    ReadFrameLayoutFrom(source, layout);
}

CString FrameIdentifier(const CByteArray& frame, const CFrameLayout& layout) {
    return Slice<CString>(frame, layout.nIdentifierOffset, layout.nIdentifierLength);
}

CByteArray FrameBody(const CByteArray& frame, const CFrameLayout& layout) {
    return Slice<CByteArray>(frame, layout.nBodyOffset, layout.nBodyLength);
}
