#pragma once
// Builders for the frames and payloads that tests feed to the factory and the connection.
#include <memory>
#include <string_view>

#include "objcomm/response.h"
#include "platform/types.h"

namespace station_test {

// "0A FF 10" (any separators ParseHexBytes accepts); a malformed literal fails the test.
CByteArray Hex(std::string_view text);
CString HexOf(const CByteArray& bytes);

CByteArray LongFrame(BYTE nCommand, const CByteArray& body, const CString& strId = "ID");
CByteArray LongFrame32(BYTE nCommand, const CByteArray& body, const CString& strId = "ID");
CByteArray ShortFrame(BYTE nCommand, const CByteArray& body);
// Body of a command-10 frame: sub-command, tag, payload.
CByteArray PassThroughBody(BYTE nSubCommand, WORD wTag, const CByteArray& payload);
CByteArray PassThroughFrame(BYTE nSubCommand, const CByteArray& payload, WORD wTag = 1);

// Runs the factory over a whole frame; the tag it wrote lands in *pdwTag when given.
std::unique_ptr<CObjCommResponse> Decode(const CByteArray& frame, DWORD dwContext = 0,
                                         DWORD* pdwTag = nullptr);
// Decodes a pass-through payload for one sub-command in the given form.
std::unique_ptr<CObjCommResponse> DecodePassThrough(BYTE nSubCommand, const CByteArray& payload,
                                                    DWORD dwContext = 0, WORD wTag = 1);

}  // namespace station_test
