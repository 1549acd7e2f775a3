// The bulk, serial memory and operator message responses over canonical payloads: the class
// the factory picks, the whole describe list, the payload written back (with its command
// lengths computed afresh), and a payload cut anywhere is rejected without a leak.
#include <gtest/gtest.h>

#include <typeinfo>

#include "objcomm/errors.h"
#include "objcomm/station/bulk_process_response.h"
#include "objcomm/station/bulk_serial_process_response.h"
#include "objcomm/station/message_response.h"
#include "objcomm/station/serial_memory_process_response.h"
#include "tests/support/frames.h"
#include "tests/support/joined_texts.h"

namespace {

using namespace station_test;

struct CBulkCase {
    const char* pszName;
    BYTE nSubCommand;
    DWORD dwContext;
    const char* pszPayload;
    const char* pszDescribe;  // the texts joined by '|'

    const char* pszData = "";  // GetData, when it differs from the payload
    // A missing operation writes nothing, so what is written may not read back.
    bool bRereads = true;
};

constexpr DWORD kExtended = 1;

// clang-format off
const CBulkCase kCases[] = {
    {"SerialMemoryProcess", 0x0D, 0,
     "87 04 0005 10 03 aabbcc",
     "Command|Serial Memory Process|Chip Type|SGS-Thomson ST14C02C|Operation|Page Write|"
     "Address at which to start writing|10|Data to write|AABBCC"},
    {"SerialMemoryProcessAnyChipType", 0x0D, 0,
     "ff 19 0001 02",
     "Command|Serial Memory Process|Chip Type|Any chip type|Operation|Program Vcc|Voltage|"
     "5.0 Volts"},
    {"SerialMemoryProcessNoSpecifiedType", 0x0D, 0,
     "00 01 0000",
     "Command|Serial Memory Process|Chip Type|No specified type.|Operation|Eject Card"},
    {"SerialMemoryProcessWithoutOperationWritesNone", 0x0D, 0,
     "80 02 0000",
     "Command|Serial Memory Process|Chip Type|Unknown Value|Operation|Unknown Operation",
     "80", false},
    {"BulkSerialEmpty", 0x0E, 0,
     "82 0000",
     "Command|Bulk Serial Process Command|Chip Type|Siemens SLE 4432/4442|Number of Commands|0"},
    {"BulkSerialOneUnchecked", 0x0E, 0,
     "87 0001 0007 02 0002 10ab 0000",
     "Command|Bulk Serial Process Command|Chip Type|SGS-Thomson ST14C02C|Number of Commands|1|"
     "Operation|Write Byte|Address at which to write|10|Byte to write|ab|Predicted Results|"
     "TBP is not responsible to check result"},
    {"BulkSerialSeveral", 0x0E, 0,
     "81 0003 0009 03 0002 ffff 0002 9000  0005 00 0000 0000  "
     "000d 07 0005 0000 0010 30 0003 112233",
     "Command|Bulk Serial Process Command|Chip Type|Siemens SLE 4418/4428|Number of Commands|3|"
     "Operation|Verify PIN|Current PIN|ffff|Predicted Results|TBP is responsible to check result|"
     "Resultant Data|9000|Operation|Reset Card|Predicted Results|"
     "TBP is not responsible to check result|Operation|Read Memory|Address from which to read|00|"
     "Number of bytes to read|10|Read Code|Read data with protect bit|Predicted Results|"
     "TBP is responsible to check result|Resultant Data|112233"},
    {"BulkSerialWrongLengthsStillParse", 0x0E, 0,
     "85 0002 ffff 04 0001 5a 0000  0000 00 0000 0001 55",
     "Command|Bulk Serial Process Command|Chip Type|Gemplus GPM 256|Number of Commands|2|"
     "Operation|Write Byte|Byte to write|5a|Predicted Results|"
     "TBP is not responsible to check result|Operation|Reset Card|Predicted Results|"
     "TBP is responsible to check result|Resultant Data|55",
     "85 0002 0006 04 0001 5a 0000  0006 00 0000 0001 55"},
    // Code 5 means nothing to the SLE 4418: its parameter bytes are read as the predicted
    // result's length, and nothing of the operation is written back.
    {"BulkSerialUnknownOperationInTheList", 0x0E, 0,
     "81 0002 0007 05 0002 0000  0005 01 0000 0000",
     "Command|Bulk Serial Process Command|Chip Type|Siemens SLE 4418/4428|Number of Commands|2|"
     "Operation|Unknown Operation|Predicted Results|TBP is not responsible to check result|"
     "Operation|Eject Card|Predicted Results|TBP is not responsible to check result",
     "81 0002 0002 0000  0005 01 0000 0000", false},
    {"BulkSerialExtendedKeepsTwoByteLengths", 0x0E, kExtended,
     "86 0001 0007 10 0001 03 0001 01",
     "Command|Bulk Serial Process Command|Chip Type|SGS-Thomson ST133x|Number of Commands|1|"
     "Operation|Read Pad|ChipPad Type|C8 Pad|Predicted Results|"
     "TBP is responsible to check result|Resultant Data|01"},
    {"BulkProcessEmpty", 0x0C, 0,
     "0000",
     "Command|Bulk Process Command|Number of Commands|0"},
    {"BulkProcessOneUnchecked", 0x0C, 0,
     "0001 0007 43 05 35 0001 aa 00",
     "Command|Bulk Process Command|Number of Commands|1|Destination|PICC|Time Out Value|5|APDU|"
     "Non-ISO|Data|AA|Predicted Results|TBP is not responsible to check result"},
    {"BulkProcessCheckModes", 0x0C, 0,
     "0004 000d 58 00 31 0004 00a40400 01 02 9000  000d 58 00 31 0004 00a40400 02 02 9000  "
     "000c 58 00 31 0004 00a40400 03 01 77  000b 58 00 31 0004 00a40400 01 00",
     "Command|Bulk Process Command|Number of Commands|4|Destination|TBP|Time Out Value|0|APDU|"
     "CASE 1|CLA|00|INS|A4|P1|04|P2|00|Predicted Results|"
     "TBP is responsible to check whole result|Resultant Data|9000|Destination|TBP|"
     "Time Out Value|0|APDU|CASE 1|CLA|00|INS|A4|P1|04|P2|00|Predicted Results|"
     "TBP is responsible to check Status Word|Resultant Data|9000|Destination|TBP|Time Out Value|"
     "0|APDU|CASE 1|CLA|00|INS|A4|P1|04|P2|00|Predicted Results|UnKnown Value|Resultant Data|77|"
     "Destination|TBP|Time Out Value|0|APDU|CASE 1|CLA|00|INS|A4|P1|04|P2|00|Predicted Results|"
     "TBP is responsible to check whole result|Resultant Data|"},
    {"BulkProcessWrongLengthStillParses", 0x0C, 0,
     "0001 0000 43 05 35 0001 aa 00",
     "Command|Bulk Process Command|Number of Commands|1|Destination|PICC|Time Out Value|5|APDU|"
     "Non-ISO|Data|AA|Predicted Results|TBP is not responsible to check result",
     "0001 0007 43 05 35 0001 aa 00"},
    {"BulkProcessExtendedHasFourByteLengths", 0x0C, kExtended,
     "0002 0000000a 43 05 31 0000 0002 aabb 00  00000001 58 00 31 0000 0004 00a40400 02 02 6a82",
     "Command|Bulk Process Command|Number of Commands|2|Destination|PICC|Time Out Value|5|APDU|"
     "CASE 1|Flags|0000|Data|AABB|Predicted Results|TBP is not responsible to check result|"
     "Destination|TBP|Time Out Value|0|APDU|CASE 1|Flags|0000|CLA|00|INS|A4|P1|04|P2|00|"
     "Predicted Results|TBP is responsible to check Status Word|Resultant Data|6A82",
     "0002 0000000a 43 05 31 0000 0002 aabb 00  "
     "0000000f 58 00 31 0000 0004 00a40400 02 02 6a82"},
    {"MessageWithoutInput", 0x20, 0,
     "0002 4f4b 4f 4e",
     "Message|OK|Button Scheme| 'Ok' Button Scheme|Input Indicator|Input is not required"},
    {"MessageWithHexInput", 0x20, 0,
     "0003 414243 43 48 10 53 59",
     "Message|ABC|Button Scheme|'Ok' and Cancel Button Scheme|Input Indicator|"
     "Hexadecimal input is required|Expected Input Length|10|Input Type|"
     "Security of information is required|Confirmation Type|Confirmation is needed"},
    {"MessageUnknownIndicatorHidesItsInputFields", 0x20, 0,
     "0000 59 51 10 53 59",
     "Message||Button Scheme| 'Yes' and 'No' Button Scheme|Input Indicator|Unknown Value"},
    {"MessageUnknownCodes", 0x20, 0,
     "0001 21 5a 49 ff 41 42",
     "Message|!|Button Scheme|Unknown Value|Input Indicator|Decimal input is required|"
     "Expected Input Length|ff|Input Type|Unknown Value|Confirmation Type|Unknown Value"},
};
// clang-format on

const std::type_info& ClassOf(BYTE nSubCommand) {
    switch (nSubCommand) {
        case 0x0C:
            return typeid(CRspBulkProcess);
        case 0x0D:
            return typeid(CRspSerialMemoryProcess);
        case 0x0E:
            return typeid(CRspBulkSerialProcess);
        default:
            return typeid(CRspMessage);
    }
}

TEST(BulkCatalogueTest, EachPayloadDescribesAndRendersAsTheStationReadsIt) {
    for (const CBulkCase& c : kCases) {
        SCOPED_TRACE(c.pszName);
        const CByteArray payload = Hex(c.pszPayload);
        auto response = DecodePassThrough(c.nSubCommand, payload, c.dwContext);
        EXPECT_EQ(typeid(*response), ClassOf(c.nSubCommand));
        EXPECT_EQ(response->GetCommand(), 10);
        EXPECT_EQ(response->GetSubCommand(), c.nSubCommand);
        const CStringArray describe = Texts(c.pszDescribe);
        EXPECT_EQ(response->Describe(), describe);
        EXPECT_EQ(response->Describe(), describe) << "a second Describe rebuilds the same list";
        EXPECT_TRUE(response->GetLoneEntries().empty());

        const CByteArray data = response->GetData().GetBytes();
        EXPECT_EQ(HexOf(data), HexOf(*c.pszData ? Hex(c.pszData) : payload));
        if (c.bRereads) {
            EXPECT_EQ(DecodePassThrough(c.nSubCommand, data, c.dwContext)->Describe(), describe);
        }
    }
}

// Whatever was built before the cut is freed on the way out (ASan and valgrind watch).
TEST(BulkCatalogueTest, EveryPayloadCutShortIsRejected) {
    for (const CBulkCase& c : kCases) {
        const CByteArray payload = Hex(c.pszPayload);
        for (size_t n = 0; n < payload.size(); ++n) {
            const CByteArray prefix(payload.begin(), payload.begin() + static_cast<long>(n));
            EXPECT_THROW(DecodePassThrough(c.nSubCommand, prefix, c.dwContext), CPassThruParseError)
                << c.pszName << ", " << n << " bytes";
        }
    }
}

}  // namespace
