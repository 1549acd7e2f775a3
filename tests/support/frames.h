#pragma once
// Builders for the frames that tests feed to the factory and the connection.
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
// A command-10 frame in the long form: sub-command, tag, payload.
CByteArray PassThroughFrame(BYTE nSubCommand, const CByteArray& payload, WORD wTag = 1);

// Runs the factory over a whole frame.
std::unique_ptr<CObjCommResponse> Decode(const CByteArray& frame);

}  // namespace station_test
