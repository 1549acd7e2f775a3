// Every operation class over a canonical parameter block: what it shows, how long its
// parameters are, and the wire form it writes back.
#include <gtest/gtest.h>

#include <memory>

#include "objcomm/errors.h"
#include "objcomm/serialmem/serial_memory_operation.h"
#include "tests/support/frames.h"
#include "tests/support/joined_texts.h"

namespace {

using station_test::Hex;
using station_test::HexOf;
using station_test::Texts;

struct COperationCase {
    const char* pszName;
    int nChipType;
    BYTE nCode;
    const char* pszParameters;
    const char* pszDescribe;  // after "Operation", the texts joined by '|'
};

// clang-format off
const COperationCase kCases[] = {
    {"WriteByteST14C02C", 0x87, 2, "10 ab", "Write Byte|Address at which to write|10|Byte to write|ab"},
    {"MultiByteWriteST14C02C", 0x87, 3, "10 03 aabbcc", "Multi Byte Write|Address at which to start writing|10|Data to write|AABBCC"},
    {"PageWriteST14C02C", 0x87, 4, "10 03 aabbcc", "Page Write|Address at which to start writing|10|Data to write|AABBCC"},
    {"ReadBytesST14C02CShowsEveryDigit", 0x87, 5, "0100", "Read Bytes|Number of bytes to read|100"},
    {"ReadByteAddrST14C02C", 0x87, 7, "7f", "Read Byte Address|Address from which to read|7f"},
    {"ReadBytesAddrST14C02C", 0x87, 8, "7f 0010", "Read Bytes address|Address from which to read|7f|Number of bytes to read|10"},
    {"ResetST133X", 0x86, 0, "32", "Reset|Card Type|Six contact type"},
    {"AddrResetST133X", 0x86, 2, "33", "Address Reset|Card Type|Five contact type"},
    {"IncAddrST133X", 0x86, 3, "32", "Increment Address|Card Type|Six contact type"},
    {"PresentTransportCodeST133X", 0x86, 4, "33 0a 0b 0c", "Present Transport Code|Card Type|Five contact type|Byte 1 of Transport Code|0a|Byte 2 of Transport Code|0b|Byte 3 of Transport Code|0c"},
    {"ProgramBitST133X", 0x86, 5, "32", "Program Bit|Card Type|Six contact type"},
    {"BlowCfgFuseST133X", 0x86, 9, "33", "Blow Configuration Fuse|Card Type|Five contact type"},
    {"CheckCfgFuseST133XUnknownType", 0x86, 10, "34", "Check Config Fuse|Card Type|Unknown type"},
    {"Verification4432", 0x82, 2, "ff 00 a5", "Verification|Byte 1 of Verification Data|ff|Byte 2 of Verification Data|00|Byte 3 of Verification Data|a5"},
    {"WriteBytes4432", 0x82, 4, "20 02 0102", "Write Bytes 4432|Address at which to start writing|20|Data to write|0102"},
    {"WriteProtection4432", 0x82, 5, "20 01 55", "Write Protection|Address at which to start comparing|20|Data to compare|55"},
    {"WriteSecurity4432", 0x82, 6, "00 03 112233", "Write Security|Address at which to start writing|00|Data to write|112233"},
    {"ReadBytes4432", 0x82, 7, "20 10", "Read Bytes 4432|Address from which to read|20|Number of bytes to read|10"},
    {"PresentTransportCode4436", 0x83, 4, "01 02 03", "Present Transport Code|Byte 1 of Transport Code|01|Byte 2 of Transport Code|02|Byte 3 of Transport Code|03"},
    {"Authenticate4436", 0x83, 5, "6e 08 0102030405060708 0040", "Authenticate|Authentication Control Type|Authentication Control 1|Challenge Data|0102030405060708|Number of response bits to accept|40"},
    {"Authenticate4436UnknownControl", 0x83, 5, "70 00 ffff", "Authenticate|Authentication Control Type|Unknown type|Challenge Data|None|Number of response bits to accept|ffff"},
    {"EraseBitWithCarry4406", 0x88, 6, "00012345", "Erase Bit With Carry|Address|12345"},
    {"WriteBitAddress4436", 0x83, 8, "00000000", "Write Bit Address|Address|00"},
    {"ReadBitAddress4406", 0x88, 11, "ffffffff", "Read Bit Address|Address|ffffffff"},
    {"PresentCode896", 0x84, 4, "80 10 02 aabb", "Present Code|Present Code Option|Erase code 2|Address|10|Data to compare|AABB"},
    {"EraseWords896", 0x84, 5, "08 04", "Erase Words|Address at which to begin erasing|08|Number of words to erase|04"},
    {"WriteBytes896", 0x84, 7, "08 01 ee", "Write Bytes 896|Address at which to start writing|08|Data to write|EE"},
    {"ReadBytes896", 0x84, 8, "08 20", "Read Bytes 896|Address from which to read|08|Number of bytes to read|20"},
    {"SetWriteDelay896", 0x84, 11, "01f4", "Set Write Delay|Write Delay (in millseconds)|500"},
    {"IncToAddr256", 0x85, 2, "40", "Increment To Address|Address to increment|40"},
    {"WriteBytes256", 0x85, 3, "40 00", "Write Bytes 256|Address at which to start writing|40|Data to write|None"},
    {"WriteByte256", 0x85, 4, "5a", "Write Byte|Byte to write|5a"},
    {"ReadBytes256", 0x85, 5, "40 01", "Read Bytes 256|Address from which to read|40|Number of bytes to read|01"},
    {"ChgPsc4418", 0x81, 2, "1234 0005", "Change PIN|Old PIN|1234|New PIN|05"},
    {"VerifyPsc4418", 0x81, 3, "ffff", "Verify PIN|Current PIN|ffff"},
    {"WriteMemory4418", 0x81, 4, "0102 0c 0002 aabb", "Write Memory|Address at which to Start Writing|102|Write Code|Write Protect bit With Data Comparison|Data to Write|AABB"},
    {"WriteMemory4418UnknownCodeNoData", 0x81, 4, "0000 00 0000", "Write Memory|Address at which to Start Writing|00|Write Code|Unknowm Code Type|Data to Write|None"},
    {"ReadMemory4418", 0x81, 7, "03ff 0100 70", "Read Memory|Address from which to read|3ff|Number of bytes to read|100|Read Code|Read data with out protect bit"},
    {"EjectCard", 0x00, 1, "", "Eject Card"},
    {"ResetCard", 0x82, 0, "", "Reset Card"},
    {"DisableVpp", 0xFF, 14, "", "Disable Vpp"},
    {"EnableVpp", 0x00, 13, "fd", "Enable VPP|Voltage|26.0 Volts"},
    {"EnableVppCannotSwitchOff", 0x00, 13, "00", "Enable VPP|Voltage|Unknown Value"},
    {"SetPadEnable", 0x81, 15, "04 01", "Set Pad|ChipPad Type|Reset Pad|Enable Option|Enable"},
    {"SetPadDisable", 0x00, 15, "00 00", "Set Pad|ChipPad Type|VCC Pad|Enable Option|Disable"},
    {"ReadPadKnowsFewerPads", 0x86, 16, "00", "Read Pad|ChipPad Type|Unknown"},
    {"EnableRxTxTransmit", 0x00, 17, "00", "Enable Rx/Tx|Mode|Tx"},
    {"EnableRxTxReceive", 0x00, 17, "01", "Enable Rx/Tx|Mode|Rx"},
    {"SetEtu", 0x00, 19, "04", "Set ETU|ETU|9.830"},
    {"DelayMsec", 0x00, 22, "fa", "Delay Msec|Delay duration (in millseconds|250"},
    {"DelayTime", 0x00, 23, "01", "Delay Time|Delay duration|10 microseconds"},
    {"ProgramClock", 0x00, 24, "11", "Program Clock|Frequency|3.579 Mhz"},
    {"ProgramClockKnowsNoQuarters", 0x00, 24, "02", "Program Clock|Frequency|Unknown Value"},
    {"ProgramVcc", 0x00, 25, "02", "Program Vcc|Voltage|5.0 Volts"},
    {"ProgramVccSkipsRepeatedCodes", 0x00, 25, "50", "Program Vcc|Voltage|Unknown Value"},
    {"ProgramVpp", 0x00, 26, "27", "Program Vpp|Voltage|5.0 Volts"},
    {"ProgramVppHasNoDigitRule", 0x00, 26, "05", "Program Vpp|Voltage|Unknown Value"},
    {"ProgramVppSwitchesOff", 0x00, 26, "00", "Program Vpp|Voltage|0.0 Volts"},
};
// clang-format on

void PrintTo(const COperationCase& c, std::ostream* os) {
    *os << c.pszName;
}

// The wire form: code, a parameter length word, the parameters.
CByteArray WireForm(BYTE nCode, WORD wLength, const CByteArray& parameters) {
    COutBinaryString out;
    out.AppendByte(nCode).AppendWord(wLength).AppendBytes(parameters);
    return out.GetBytes();
}

class OperationParametersTest : public testing::TestWithParam<COperationCase> {};

TEST_P(OperationParametersTest, DescribesCountsAndWritesItsParameters) {
    const COperationCase& c = GetParam();
    const CByteArray parameters = Hex(c.pszParameters);
    // The length on the wire is not trusted: the one written back is computed.
    CInBinaryString reader(WireForm(c.nCode, 0xABCD, parameters));
    std::unique_ptr<CSerialMemoryOperation> op(
        CSerialMemoryOperation::Create(c.nChipType, reader, 0));
    ASSERT_NE(op, nullptr);
    EXPECT_TRUE(reader.IsExhausted());

    CStringArray list{"earlier"};
    op->DescribeTo(list);
    EXPECT_EQ(list, Texts(CString("earlier|Operation|") + c.pszDescribe))
        << "appends after what the list holds";

    EXPECT_EQ(op->GetParameterLength(), static_cast<int>(parameters.size()));
    COutBinaryString out;
    op->Write(out);
    const WORD wLength = static_cast<WORD>(parameters.size());
    EXPECT_EQ(HexOf(out.GetBytes()), HexOf(WireForm(c.nCode, wLength, parameters)));
}

TEST_P(OperationParametersTest, EveryCutBeforeTheLastParameterByteIsRejected) {
    const COperationCase& c = GetParam();
    const CByteArray whole = WireForm(c.nCode, 0, Hex(c.pszParameters));
    for (size_t n = 0; n < whole.size(); ++n) {
        CInBinaryString reader(CByteArray(whole.begin(), whole.begin() + static_cast<long>(n)));
        EXPECT_THROW(delete CSerialMemoryOperation::Create(c.nChipType, reader, 0),
                     CInBinaryStringException)
            << n << " bytes";
    }
}

// Set Pad's enable byte and Enable Rx/Tx's mode byte read any non-zero value as true.
TEST(OperationFlagsTest, NonZeroFlagsGoBackAsOne) {
    const struct {
        BYTE nCode;
        const char* pszParameters;
        const char* pszWritten;
    } cases[] = {
        {15, "06 07", "0f 0002 06 01"}, {15, "06 80", "0f 0002 06 01"}, {17, "ff", "11 0001 01"}};
    for (const auto& c : cases) {
        CInBinaryString reader(WireForm(c.nCode, 0, Hex(c.pszParameters)));
        std::unique_ptr<CSerialMemoryOperation> op(CSerialMemoryOperation::Create(0, reader, 0));
        COutBinaryString out;
        op->Write(out);
        EXPECT_EQ(HexOf(out.GetBytes()), HexOf(Hex(c.pszWritten))) << c.pszParameters;
    }
}

INSTANTIATE_TEST_SUITE_P(SerialMemory, OperationParametersTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.pszName; });

}  // namespace
