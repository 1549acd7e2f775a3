#include "tests/support/frames.h"

#include <gtest/gtest.h>

#include "objcomm/hex.h"
#include "objcomm/out_binary_string.h"

namespace station_test {

CByteArray Hex(std::string_view text) {
    CByteArray bytes;
    CString error;
    EXPECT_TRUE(ParseHexBytes(CString(text), bytes, &error)) << text << ": " << error;
    return bytes;
}

CString HexOf(const CByteArray& bytes) {
    CString text;
    FormatHex(bytes, text);
    return text;
}

namespace {
CByteArray Frame(BYTE nType, int nIdPrefix, BYTE nCommand, int nBodyPrefix,
                 const CByteArray& body, const CString& strId) {
    COutBinaryString out;
    if (nIdPrefix != 0) out.AppendByte(nType).SetPrefix(nIdPrefix).AppendString(strId);
    out.AppendByte(nCommand).SetPrefix(nBodyPrefix).AppendBytes(body).AppendChecksum();
    return out.GetBytes();
}
}  // namespace

CByteArray LongFrame(BYTE nCommand, const CByteArray& body, const CString& strId) {
    return Frame(0x00, -1, nCommand, -2, body, strId);
}

CByteArray LongFrame32(BYTE nCommand, const CByteArray& body, const CString& strId) {
    return Frame(0x02, -1, nCommand, -4, body, strId);
}

CByteArray ShortFrame(BYTE nCommand, const CByteArray& body) {
    return Frame(0, 0, nCommand, -2, body, "");
}

CByteArray PassThroughBody(BYTE nSubCommand, WORD wTag, const CByteArray& payload) {
    COutBinaryString out;
    out.AppendByte(nSubCommand).AppendWord(wTag).AppendBytes(payload);
    return out.GetBytes();
}

CByteArray PassThroughFrame(BYTE nSubCommand, const CByteArray& payload, WORD wTag) {
    return LongFrame(0x0A, PassThroughBody(nSubCommand, wTag, payload));
}

std::unique_ptr<CObjCommResponse> Decode(const CByteArray& frame, DWORD dwContext, DWORD* pdwTag) {
    CInBinaryString reader(frame);
    DWORD tag = 0;
    std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(reader, &tag, dwContext));
    if (pdwTag) *pdwTag = tag;
    return response;
}

std::unique_ptr<CObjCommResponse> DecodePassThrough(BYTE nSubCommand, const CByteArray& payload,
                                                    DWORD dwContext, WORD wTag) {
    return Decode(PassThroughFrame(nSubCommand, payload, wTag), dwContext);
}

}  // namespace station_test
