#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

struct ResponseCase {
    const char* pszName;
    BYTE nCommand;
    const char* pszPayload;
    CStringArray describe;
    const char* pszData = nullptr;  // GetData, when it differs from the payload
    bool bHeader = true;
};

class ServerResponseTest : public testing::TestWithParam<ResponseCase> {};

TEST_P(ServerResponseTest, DescribesAndReencodes) {
    const ResponseCase& c = GetParam();
    const CByteArray payload = Hex(c.pszPayload);
    for (const CByteArray& frame : {LongFrame(c.nCommand, payload), LongFrame32(c.nCommand, payload)}) {
        auto response = Decode(frame);
        EXPECT_EQ(response->GetCommand(), c.nCommand);
        EXPECT_EQ(response->GetSubCommand(), -1);
        EXPECT_EQ(response->HasHeader(), c.bHeader);
        EXPECT_EQ(response->Describe(), c.describe);
        EXPECT_EQ(response->Describe(), c.describe) << "second call";
        EXPECT_EQ(HexOf(response->GetData().GetBytes()), c.pszData ? c.pszData : HexOf(payload));
    }
}

std::string CaseName(const testing::TestParamInfo<ResponseCase>& info) { return info.param.pszName; }

INSTANTIATE_TEST_SUITE_P(
    Payloads, ServerResponseTest,
    testing::Values(
        ResponseCase{"HealthIgnoresPayload", 0x99, "01 02", {"Command", "Health Request Acknowledge"}, ""},
        ResponseCase{"ErrorUnknownCommand", 0xFF, "93 55", {"Command", "Resend Data", "Error Code", "UnKnown Command"}, "93"},
        ResponseCase{"ErrorOutsideTable", 0xFF, "00", {"Command", "Resend Data", "Error Code", "Unknown Value"}},
        ResponseCase{"ErrorBadChecksum", 0xFF, "91", {"Command", "Resend Data", "Error Code", "Bad CheckSum"}},
        ResponseCase{"RegisterDevice", 0x06, "53 54 41 31", {"Command", " Retrieve Device Name", "Device Registered", "STA1"}},
        ResponseCase{"RegisterDeviceEmpty", 0x06, "", {"Command", " Retrieve Device Name", "Device Registered", ""}},
        ResponseCase{"RequestDeviceName", 0x07, "41", {"Command", " Retrieve Device Name", "Device Name", "A"}},
        ResponseCase{"SetDeviceName", 0x09, "41 42", {"Command", " Set Device Name", "Device Name", "AB"}},
        ResponseCase{"DataLoaded", 0x05, "4B 31", {"Command", "Data Loaded", "Key Number", "K1"}},
        ResponseCase{"AuthenticateClient", 0x08, "02 AB 01", {"Command", "Authenticate Client Response", "Token", "AB01"}},
        ResponseCase{"KeyStoreEmpty", 0x03, "", {"Command", "Key Store Response"}, nullptr, false},
        ResponseCase{"KeyStoreSortsIntoMemberOrder", 0x03, "01 00 01 37  04 00 02 0A FF  03 00 01 43",
                     {"Command", "Key Store Response", "Tag Type", "Key Check", "Item Value", "C",
                      "Tag Type", "Key Encrypted", "Item Value", "0a ff", "Tag Type", "Key Number", "Item Value", "7"},
                     "030001430400020AFF01000137", false},
        ResponseCase{"KeyRequestKeepsArrivalOrderAndUnknownTags", 0x01, "01 00 01 37  04 00 01 0A  0C 00 00",
                     {"Command", "Key Request Response", "Field Type", "1", "Field Value", "7",
                      "Field Type", "4", "Field Value", "0a", "Field Type", "12", "Field Value", ""},
                     nullptr, false},
        ResponseCase{"ObjectRequestEmptySections", 0x04, "11 0000 20 0000 30 0000",
                     {"Command", "Object Request Response", "Object Type Requested", "General",
                      "Number Of Search Items", "0", "Number Of Response Items", "0"}},
        ResponseCase{"ObjectRequestFull", 0x04, "11 0002 01 0C 99 0004 01 00 01 37 98 0005 05 00 02 48 4F",
                     {"Command", "Object Request Response", "Object Type Requested", "General",
                      "Requested Field", "Number", "Requested Field", "Unknown",
                      "Number Of Search Items", "1", "Tag Type", "Key Number", "Item Value", "7",
                      "Number Of Response Items", "1", "Tag Type", "Key Holder", "Item Value", "HO"},
                     "110002010C2000040100013730000505000248" "4F"}),
    CaseName);

TEST(ServerResponses, TruncatedFixedFieldsAreParseErrors) {
    for (const auto& [command, payload] : std::vector<std::pair<BYTE, const char*>>{
             {0x08, "03 AB"}, {0x08, ""}, {0x04, ""}, {0x04, "11 00"}, {0x04, "11 0000 20 0004 01 00"},
             {0x03, "01 00 05 41"}, {0x01, "04 00"}}) {
        EXPECT_THROW(Decode(LongFrame(command, Hex(payload))), CPassThruParseError)
            << int(command) << " " << payload;
    }
}

TEST(ServerResponses, KeyStoreRejectsTagWithoutAttribute) {
    EXPECT_THROW(Decode(LongFrame(0x03, Hex("0E 00 00"))), CPassThruParseError);
}

TEST(ServerResponses, ObjectRequestSectionEndsOnceItsLengthIsReached) {
    // The search section claims 2 bytes; its one 4-byte item overshoots, and reading stops.
    auto response = Decode(LongFrame(0x04, Hex("11 0000 20 0002 01 00 01 37 30 0000")));
    EXPECT_EQ(response->Describe()[5], "1");
}

TEST(ServerResponses, ShortFormAcceptedForKeyCommands) {
    EXPECT_EQ(Decode(ShortFrame(0x03, {}))->GetCommand(), 3);
    EXPECT_EQ(Decode(ShortFrame(0x01, {}))->GetCommand(), 1);
}

}  // namespace
