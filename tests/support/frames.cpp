#include "tests/support/frames.h"

#include <gtest/gtest.h>

#include "objcomm/frame_codes.h"
#include "objcomm/hex.h"
#include "objcomm/length_prefix.h"
#include "objcomm/out_binary_string.h"

namespace station_test {

CByteArray Hex(std::string_view text) {
    CByteArray bytes;
    CString error;
    EXPECT_TRUE(ParseHexBytes(CString(text), bytes, &error)) << text << ": " << error;
    return bytes;
}

CString HexOf(const CByteArray& bytes) {
    return ToHex(bytes);
}

namespace {
CByteArray Frame(BYTE nForm, BYTE nCommand, int nBodyPrefix, const CByteArray& body,
                 const CString& strId) {
    COutBinaryString out;
    if (IsLongForm(nForm)) out.AppendByte(nForm).SetPrefix(kCountByte).AppendString(strId);
    out.AppendByte(nCommand).SetPrefix(nBodyPrefix).AppendBytes(body).AppendChecksum();
    return out.GetBytes();
}
}  // namespace

CByteArray LongFrame(BYTE nCommand, const CByteArray& body, const CString& strId) {
    return Frame(kLongForm16, nCommand, kCountWord, body, strId);
}

CByteArray LongFrame32(BYTE nCommand, const CByteArray& body, const CString& strId) {
    return Frame(kLongForm32, nCommand, kCountDWord, body, strId);
}

CByteArray ShortFrame(BYTE nCommand, const CByteArray& body) {
    return Frame(nCommand, nCommand, kCountWord, body, "");
}

CByteArray PassThroughFrame(BYTE nSubCommand, const CByteArray& payload, WORD wTag) {
    COutBinaryString body;
    body.AppendByte(nSubCommand).AppendWord(wTag).AppendBytes(payload);
    return LongFrame(kPassThrough, body.GetBytes());
}

std::unique_ptr<CObjCommResponse> Decode(const CByteArray& frame) {
    CInBinaryString reader(frame);
    DWORD dwTag = 0;
    return std::unique_ptr<CObjCommResponse>(CObjCommResponse::Create(reader, &dwTag, 0));
}

}  // namespace station_test
