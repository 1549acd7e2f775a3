// Every class of the card-station family over a canonical payload: the factory picks the
// class, Describe lists exactly the system's texts, GetData gives the payload back (or the
// bytes the class is meant to rewrite), and every shorter payload that lacks a field fails.
#include <gtest/gtest.h>

#include <typeinfo>

#include "objcomm/contact/contact_responses.h"
#include "objcomm/contact/process_response.h"
#include "objcomm/contact/serial_port_response.h"
#include "objcomm/contact/set_baud_rate_response.h"
#include "objcomm/errors.h"
#include "objcomm/response_maker.h"
#include "objcomm/station/completion_responses.h"
#include "objcomm/station/contactless_responses.h"
#include "objcomm/station/reader_attribute_response.h"
#include "objcomm/station/station_control_responses.h"
#include "tests/support/frames.h"

namespace {

using station_test::DecodePassThrough;
using station_test::Hex;
using station_test::HexOf;

constexpr DWORD kExtended = 1;

struct CCatalogueCase {
    const char* pszName;
    ResponseMaker make;
    BYTE nSubCommand;
    DWORD dwContext;
    const char* pszPayload;
    CStringArray describe;     // after the "Command" pair
    const char* pszData = "";  // GetData, when it differs from the payload
    int nValidPrefix = -1;     // a shorter payload that is complete all the same
    WORD wTag = 1;
};

// clang-format off
const CCatalogueCase kCases[] = {
    {"Hltb", MakeResponse<CRspHltb>, 0x3A, 0, "43 01 02 03 04",
     {"HLTB", "Destination", "PICC", "Identifier", "01020304"}},
    {"Attrib", MakeResponse<CRspAttrib>, 0x39, 0, "43 01020304 05 06 07 08 09 0a 0b 0c 0002 abcd",
     {"ATTRIB", "Destination", "PICC", "Identifier", "01020304", "Minimum TR0", "05",
      "Minimum TR1", "06", "EOF", "07", "SOF", "08", "Bit Rate Selection to PCD", "09",
      "Bit Rate Selection to PICC", "0A", "Maximum Frame Size", "0B", "Protocol", "0C",
      "INF", "ABCD"}},
    {"AttribWithEmptyInf", MakeResponse<CRspAttrib>, 0x39, 0,
     "43 01020304 00 00 00 00 00 00 00 00 0000",
     {"ATTRIB", "Destination", "PICC", "Identifier", "01020304", "Minimum TR0", "00",
      "Minimum TR1", "00", "EOF", "00", "SOF", "00", "Bit Rate Selection to PCD", "00",
      "Bit Rate Selection to PICC", "00", "Maximum Frame Size", "00", "Protocol", "00",
      "INF", ""}},
    {"Wupb", MakeResponse<CRspWupb>, 0x38, 0, "43 12 34",
     {"WUPB", "Destination", "PICC", "AFI", "12", "N", "34"}},
    {"Reqb", MakeResponse<CRspReqb>, 0x37, 0, "43 00 ff",
     {"REQB", "Destination", "PICC", "AFI", "00", "N", "FF"}},
    {"DiversifyKeys", MakeResponse<CRspDiversifyKeys>, 0x36, 0, "43 0003 112233",
     {"Diversify Keys", "Destination", "PICC", "Key Data", "112233"}},
    {"PiccPowerOn", MakeResponse<CRspPiccPower>, 0x35, 0, "43 01 0000abcd",
     {"PICC Power", "Destination", "PICC", "Turn Power On", "Carrier Field Strength", "0000abcd"}},
    {"PiccPowerAnyNonzeroIsOn", MakeResponse<CRspPiccPower>, 0x35, 0, "43 05 00000000",
     {"PICC Power", "Destination", "PICC", "Turn Power On", "Carrier Field Strength", "00000000"},
     "43 01 00000000"},
    {"PiccPowerOff", MakeResponse<CRspPiccPower>, 0x35, 0, "43 00 ffffffff",
     {"PICC Power", "Destination", "PICC", "Turn Power Off", "Carrier Field Strength", "ffffffff"}},
    {"PiccAuthenticateHidesItsFlag", MakeResponse<CRspPiccAuthenticate>, 0x34, 0, "43 07 0001 aa",
     {"PICC Authenticate", "Destination", "PICC", "Data", "AA"}, "43 01 0001 aa"},
    {"SetKeys", MakeResponse<CRspSetKeys>, 0x33, 0, "43 0002 0102",
     {"Set Keys", "Destination", "PICC", "Key Data", "0102"}},
    {"PiccAntennaTuning", MakeResponse<CRspPiccAntennaTuning>, 0x32, 0, "43",
     {"PICC Antenna Tuning", "Destination", "PICC"}},
    {"PiccIssuePps", MakeResponse<CRspPiccIssuePPS>, 0x31, 0, "43 96",
     {"PICC Issue PPS", "Destination", "PICC", "PPS1 Value", "96"}},
    {"PiccReset", MakeResponse<CRspPiccReset>, 0x30, 0, "43 0003 3b8f80",
     {"Reset PICC Card", "Destination", "PICC", "Reset Data", "3B8F80"}},

    {"SelectStation", MakeResponse<CRspSelectStation>, 0x21, 0, "ff",
     {"Select Station", "Station Number", "255"}},
    {"KeepAlive", MakeResponse<CRspKeepAlive>, 0x13, 0, "", {"Keep Alive"}},
    {"SerialFlush", MakeResponse<CRspSerialFlush>, 0x22, 0, "88",
     {"Serial Flush", "Destination", "Port B"}},
    {"SetCardType", MakeResponse<CRspSetCardType>, 0x17, 0, "59",
     {"Set Card Type", "Card Type", "ISO 14443-3/4 Type A, PayPass alternative 2"}},
    {"ReaderAttributeGet", MakeResponse<CRspReaderAttribute>, 0x16, 0, "43 05 00",
     {"Reader Attribute", "Destination", "PICC", "Attribute", "IFSD", "Get Value"}},
    {"ReaderAttributeSet", MakeResponse<CRspReaderAttribute>, 0x16, 0, "58 02 04 00002580",
     {"Reader Attribute", "Destination", "TBP", "Attribute", "Baud Rate", "Value", "9600 bps"}},
    {"ReaderAttributeLengthComesBackAsFour", MakeResponse<CRspReaderAttribute>, 0x16, 0,
     "57 07 02 00000001",
     {"Reader Attribute", "Destination", "EX_TBP", "Attribute", "Command Handling", "Value",
      "TPDU Level"}, "57 07 04 00000001"},
    {"CardCommandSimulation", MakeResponse<CRspCardCommandSimulation>, 0x15, 0,
     "07 000001f4 0010 0000",
     {"Card Command Simulation", "DELAY LOOP", "Delay Time", "500", "Requested Length", "16",
      "Simulated Data", "None"}, "00 000001f4 0010 0000"},
    {"CardCommandSimulationExtended", MakeResponse<CRspCardCommandSimulation>, 0x15, kExtended,
     "81 07 ffffffff ffff 0002 abcd",
     {"Card Command Simulation", "Destination", "PORTA Send only", "DELAY LOOP", "Delay Time",
      "4294967295", "Requested Length", "65535", "Simulated Data", "ABCD"},
     "81 00 ffffffff ffff 0002 abcd"},
    {"WarmResetWithPps", MakeResponse<CRspWarmResetWithPPS>, 0x12, 0, "58 fe",
     {"Warm Reset With PPS", "Destination", "TBP", "Frequency Value", "Keep Current"}},
    {"WarmResetWithPpsExtended", MakeResponse<CRspWarmResetWithPPS>, 0x12, kExtended,
     "57 00003840",
     {"Warm Reset With PPS", "Destination", "EX_TBP", "Frequency Value", "14400 khz"}},
    {"ResetCardWithPps", MakeResponse<CRspResetCardWithPPS>, 0x0F, 0, "57 69 ff",
     {"Reset Card With PPS", "Destination", "EX_TBP", "Reset Value", "6.9 Volts",
      "Frequency Value", "Default"}},
    {"ResetCardWithPpsExtended", MakeResponse<CRspResetCardWithPPS>, 0x0F, kExtended,
     "58 00000ce4 00001f40",
     {"Reset Card With PPS", "Destination", "TBP", "Reset Value", "3300 Millivolts",
      "Frequency Value", "8000 khz"}},

    {"PassThroughModeComplete", MakeResponse<CRspPassThroughModeComplete>, 0xFF, 0,
     "01 3132333435 0002 abcd",
     {"Card Processing Complete", "Accept Code",
      "Card failed, but resusable, see error code for detail", "Dll returned error", "12345",
      "Audit Data", "ABCD"}, "", 1},
    {"PassThroughModeCompleteAcceptOnly", MakeResponse<CRspPassThroughModeComplete>, 0xFF, 0, "00",
     {"Card Processing Complete", "Accept Code", "OK Card", "Dll returned error", "00000",
      "Audit Data", "None"}, "00 3030303030 0000"},
    {"PassThroughModeFinish", MakeResponse<CRspPassThroughModeFinish>, 0xFF, 0, "",
     {"Card Processing Finish Acknowledge"}, "", -1, 0},

    {"ResetCard", MakeResponse<CRspResetCard>, 0x01, 0, "58 0001 02",
     {"Reset Card", "Destination", "TBP", "Reset Value", "5.0 Volts"}},
    {"ResetCardLengthFollowsTheForm", MakeResponse<CRspResetCard>, 0x01, 0, "58 0009 01",
     {"Reset Card", "Destination", "TBP", "Reset Value", "3.3 Volts"}, "58 0001 01"},
    {"ResetCardExtended", MakeResponse<CRspResetCard>, 0x01, kExtended, "57 0001 00001388",
     {"Reset Card", "Destination", "EX_TBP", "Reset Value", "5000 Millivolts"}, "57 0004 00001388"},
    {"SetVoltage", MakeResponse<CRspSetVoltage>, 0x02, 0, "57 0001 68",
     {"Set Voltage", "Destination", "EX_TBP", "Voltage Value", "6.8 Volts"}},
    {"SetBaudRate", MakeResponse<CRspSetBaudRate>, 0x03, 0, "58 0001 13",
     {"Set Baud Rate", "Destination", "TBP", "Baud Rate Value", "38.4kbps"}},
    {"IssuePps", MakeResponse<CRspSetBaudRate>, 0x03, 0, "57 0005 ff 10 96 11 22",
     {"Issue PPS", "Destination", "EX_TBP", "Keep Current Protocol", "PPS1 Value", "96"}},
    {"IssuePpsFromAnyOtherLength", MakeResponse<CRspSetBaudRate>, 0x03, 0, "57 0002 00 70 11 22 33",
     {"Issue PPS", "Destination", "EX_TBP", "Protocol T=0", "PPS1 Value", "11", "PPS2 Value",
      "22", "PPS3 Value", "33"}, "57 0005 00 70 11 22 33"},
    {"IssuePpsShowsOnlyWhatPps0Announces", MakeResponse<CRspSetBaudRate>, 0x03, 0,
     "58 0005 02 40 11 22 33",
     {"Issue PPS", "Destination", "TBP", "Unknown Protocol Selection", "PPS3 Value", "33"}},
    {"SetFrequency", MakeResponse<CRspSetFrequency>, 0x04, 0, "58 0001 11",
     {"Set Frequency", "Destination", "TBP", "Frequency Value", "3.579 Mhz"}},
    {"SetFrequencyExtended", MakeResponse<CRspSetFrequency>, 0x04, kExtended, "57 0004 00001f40",
     {"Set Frequency", "Destination", "EX_TBP", "Frequency Value", "8000 khz"}},
    {"ProcessIsoCase4", MakeResponse<CRspProcess>, 0x05, 0, "58 0a 34 0008 00a40400 02 3f00 10",
     {"Process Command", "Destination", "TBP", "Time Out Value", "10", "APDU", "CASE 4",
      "CLA", "00", "INS", "A4", "P1", "04", "P2", "00", "Lc Data", "3F00", "Le", "10"}},
    {"ProcessExtendedToPicc", MakeResponse<CRspProcess>, 0x05, kExtended,
     "43 05 31 0002 0003 aabbcc",
     {"Process Command", "Destination", "PICC", "Time Out Value", "5", "APDU", "CASE 1",
      "Flags", "0002", "Data", "AABBCC"}},
    {"EjectCard", MakeResponse<CRspEjectCard>, 0x06, 0, "57",
     {"Eject Card", "Destination", "EX_TBP"}},
    {"QueryCard", MakeResponse<CRspQueryCard>, 0x07, 0, "58",
     {"Query Card", "Destination", "TBP"}},
    {"SetNad", MakeResponse<CRspSetNAD>, 0x08, 0, "57 ff",
     {"Set NAD", "Destination", "EX_TBP", "NAD Value", "255"}},
    {"ConfigSerialPort", MakeResponse<CRspConfigSerialPort>, 0x09, 0, "58 04 02 03 01 02",
     {"Serial Port Configuration", "Destination", "TBP", "Baud Rate Value", "115.2kbps",
      "Parity", "Even", "Data bits", "8 Bits", "Stop Bits", "2 Bits", "Flow Control",
      "Xon/Xoff"}},
    {"GetHardwareVersion", MakeResponse<CRspGetHardwareVersion>, 0x0A, 0, "",
     {"Retrieve Hardware Version"}},
    {"WarmReset", MakeResponse<CRspWarmReset>, 0x0B, 0, "58",
     {"Warm Reset Card", "Destination", "TBP"}},
    {"Resend", MakeResponse<CRspResend>, 0x10, 0, "07 91",
     {"Resend Data", "Error Code", "ChecksumError"}, "00 91"},
    {"ResendUnknownCode", MakeResponse<CRspResend>, 0x10, 0, "00 92",
     {"Resend Data", "Error Code", "Unknown Value"}},
};
// clang-format on

void PrintTo(const CCatalogueCase& c, std::ostream* os) {
    *os << c.pszName;
}

class CatalogueTest : public testing::TestWithParam<CCatalogueCase> {};

TEST_P(CatalogueTest, FactoryBuildsTheClassThatDescribesAndRendersThePayload) {
    const CCatalogueCase& c = GetParam();
    const CByteArray payload = Hex(c.pszPayload);
    auto response = DecodePassThrough(c.nSubCommand, payload, c.dwContext, c.wTag);
    CInBinaryString reader(payload);
    std::unique_ptr<CObjCommResponse> direct(c.make(reader, c.dwContext));
    EXPECT_EQ(typeid(*response), typeid(*direct));

    EXPECT_EQ(response->GetCommand(), 10);
    EXPECT_EQ(response->GetSubCommand(), c.nSubCommand);
    CStringArray expected{"Command"};
    expected.insert(expected.end(), c.describe.begin(), c.describe.end());
    EXPECT_EQ(response->Describe(), expected);
    EXPECT_EQ(response->Describe(), expected) << "a second Describe must rebuild the same list";
    const CByteArray data = response->GetData().GetBytes();
    EXPECT_EQ(HexOf(data), HexOf(*c.pszData ? Hex(c.pszData) : payload));

    // What GetData wrote reads back as the same response.
    auto reread = DecodePassThrough(c.nSubCommand, data, c.dwContext, c.wTag);
    EXPECT_EQ(reread->Describe(), expected);
    EXPECT_EQ(HexOf(reread->GetData().GetBytes()), HexOf(data));
}

TEST_P(CatalogueTest, EveryPayloadCutBeforeARequiredFieldIsRejected) {
    const CCatalogueCase& c = GetParam();
    const CByteArray payload = Hex(c.pszPayload);
    for (size_t n = 0; n < payload.size(); ++n) {
        if (static_cast<int>(n) == c.nValidPrefix) continue;
        const CByteArray prefix(payload.begin(), payload.begin() + static_cast<long>(n));
        CInBinaryString reader(prefix);
        EXPECT_THROW(delete c.make(reader, c.dwContext), CInBinaryStringException) << n << " bytes";
        EXPECT_THROW(DecodePassThrough(c.nSubCommand, prefix, c.dwContext, c.wTag),
                     CPassThruParseError)
            << n << " bytes";
    }
}

struct CLoneCase {
    BYTE nSubCommand;
    const char* pszPayload;
    CArray<int> lone;
    DWORD dwContext = 0;
};

TEST(LoneEntriesTest, NameTheTextsThatStandWhereALabelWould) {
    const CLoneCase cases[] = {
        {0x35, "43 01 00000000", {4}},
        {0x34, "43 01 0000", {}},
        {0x15, "07 000001f4 0010 0000", {2}},
        {0x15, "81 07 000001f4 0010 0000", {4}, kExtended},
        {0x16, "43 05 00", {6}},
        {0x16, "43 05 04 00000032", {}},
        {0x03, "57 0005 ff 10 96 11 22", {4}},
        {0x03, "58 0001 13", {}},
    };
    for (const CLoneCase& c : cases) {
        auto response = DecodePassThrough(c.nSubCommand, Hex(c.pszPayload), c.dwContext);
        response->Describe();
        EXPECT_EQ(response->GetLoneEntries(), c.lone) << c.pszPayload;
    }
}

INSTANTIATE_TEST_SUITE_P(CardStation, CatalogueTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.pszName; });

}  // namespace
