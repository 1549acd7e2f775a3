// Which operation every (chip type, code) pair makes, written out column by column as the
// station's chips define them, against the factory's one table of meanings.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <typeinfo>
#include <vector>

#include "objcomm/serialmem/electrical_operations.h"
#include "objcomm/serialmem/gpm256_operations.h"
#include "objcomm/serialmem/gpm896_operations.h"
#include "objcomm/serialmem/sle4418_operations.h"
#include "objcomm/serialmem/sle4432_operations.h"
#include "objcomm/serialmem/sle4436_operations.h"
#include "objcomm/serialmem/st133x_operations.h"
#include "objcomm/serialmem/st14c02c_operations.h"

namespace {

struct CExpected {
    BYTE nCode;
    const std::type_info& cls;
    const char* pszName;
};
using CColumn = std::vector<CExpected>;

const std::type_info& kPlain = typeid(CSerialMemoryOperation);

const CColumn kAnyChip = {
    {1, kPlain, "Eject Card"},
    {13, typeid(CSmOpEnableVPP), "Enable VPP"},
    {14, kPlain, "Disable Vpp"},
    {15, typeid(CSmOpSetPad), "Set Pad"},
    {16, typeid(CSmOpReadPad), "Read Pad"},
    {17, typeid(CSmOpEnableRxTx), "Enable Rx/Tx"},
    {19, typeid(CSmOpSetEtu), "Set ETU"},
    {22, typeid(CSmOpDelayMsec), "Delay Msec"},
    {23, typeid(CSmOpDelayTime), "Delay Time"},
    {24, typeid(CSmOpProgramClock), "Program Clock"},
    {25, typeid(CSmOpProgramVcc), "Program Vcc"},
    {26, typeid(CSmOpProgramVpp), "Program Vpp"},
};

// The SLE 4406 is the SLE 4436 without authentication.
CColumn CounterChip(bool bAuthenticates) {
    CColumn column = {
        {0, kPlain, "Reset Card"},
        {2, kPlain, "Address Reset"},
        {3, kPlain, "Increment Address"},
        {4, typeid(CSmOpPresentTransportCode4436_4406), "Present Transport Code"},
        {6, typeid(CSmOpAddress4436_4406), "Erase Bit With Carry"},
        {7, kPlain, "Write Bit"},
        {8, typeid(CSmOpAddress4436_4406), "Write Bit Address"},
        {9, kPlain, "Write Bit Increment Address"},
        {10, kPlain, "Read Bit"},
        {11, typeid(CSmOpAddress4436_4406), "Read Bit Address"},
        {12, kPlain, "Read Bit Increment Address"},
    };
    if (bAuthenticates) column.push_back({5, typeid(CSmOpAuthenticate4436), "Authenticate"});
    return column;
}

const std::map<int, CColumn> kChipColumns = {
    {0x81,
     {{0, kPlain, "Reset Card"},
      {2, typeid(CSmOpChgPsc4418), "Change PIN"},
      {3, typeid(CSmOpVerifyPsc4418), "Verify PIN"},
      {4, typeid(CSmOpWriteMemory4418), "Write Memory"},
      {7, typeid(CSmOpReadMemory4418), "Read Memory"}}},
    {0x82,
     {{0, kPlain, "Reset Card"},
      {2, typeid(CSmOpVerification4432), "Verification"},
      {4, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 4432"},
      {5, typeid(CSmOpWriteProtection4432), "Write Protection"},
      {6, typeid(CSmOpWriteSecurity4432), "Write Security"},
      {7, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 4432"},
      {8, kPlain, "Read Protection"},
      {9, kPlain, "Read Security"}}},
    {0x83, CounterChip(true)},
    {0x84,
     {{0, kPlain, "Reset Card"},
      {2, kPlain, "Address Reset"},
      {3, kPlain, "Increment Address"},
      {4, typeid(CSmOpPresentCode896), "Present Code"},
      {5, typeid(CSmOpEraseWords896), "Erase Words"},
      {6, kPlain, "Write Bit 200MS"},
      {7, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 896"},
      {8, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 896"},
      {11, typeid(CSmOpSetWriteDelay896), "Set Write Delay"}}},
    {0x85,
     {{0, kPlain, "Reset Card"},
      {2, typeid(CSmOpIncToAddr256), "Increment To Address"},
      {3, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 256"},
      {4, typeid(CSmOpWriteByte256), "Write Byte"},
      {5, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 256"},
      {6, kPlain, "Read Byte"},
      {7, kPlain, "Initialize"}}},
    {0x86,
     {{0, typeid(CSmOpResetST133X), "Reset"},
      {2, typeid(CSmOpAddrResetST133X), "Address Reset"},
      {3, typeid(CSmOpIncAddrST133X), "Increment Address"},
      {4, typeid(CSmOpPresentTransportCodeST133X), "Present Transport Code"},
      {5, typeid(CSmOpProgramBitST133X), "Program Bit"},
      {6, kPlain, "Read Bit"},
      {9, typeid(CSmOpBlowCfgFuseST133X), "Blow Configuration Fuse"},
      {10, typeid(CSmOpCheckCfgFuseST133X), "Check Config Fuse"}}},
    {0x87,
     {{0, kPlain, "Reset Card"},
      {2, typeid(CSmOpWriteByteST14C02C), "Write Byte"},
      {3, typeid(CSmOpMultiByteWriteST14C02C), "Multi Byte Write"},
      {4, typeid(CSmOpPageWriteST14C02C), "Page Write"},
      {5, typeid(CSmOpReadBytesST14C02C), "Read Bytes"},
      {6, kPlain, "Read Byte"},
      {7, typeid(CSmOpReadByteAddrST14C02C), "Read Byte Address"},
      {8, typeid(CSmOpReadBytesAddrST14C02C), "Read Bytes address"}}},
    {0x88, CounterChip(false)},
};

const CExpected* Find(const CColumn& column, int nCode) {
    for (const CExpected& expected : column) {
        if (expected.nCode == nCode) return &expected;
    }
    return nullptr;
}

const CExpected* Expected(int nChipType, int nCode) {
    if (const CExpected* pAny = Find(kAnyChip, nCode)) return pAny;
    const auto column = kChipColumns.find(nChipType);
    return column == kChipColumns.end() ? nullptr : Find(column->second, nCode);
}

// The code, a length word the factory does not trust, and zeros enough for any class: a
// block read from them is empty.
CInBinaryString OperationBytes(int nCode) {
    CByteArray bytes(3 + 16, 0);
    bytes[0] = static_cast<BYTE>(nCode);
    bytes[2] = 0x05;
    return CInBinaryString(bytes);
}

TEST(OperationFactoryTest, EveryChipTypeAndCodeMakesItsClassUnderItsName) {
    const int chipTypes[] = {0x00, 0x01, 0x80, 0x81, 0x82, 0x83, 0x84,
                             0x85, 0x86, 0x87, 0x88, 0x89, 0xFE, 0xFF};
    for (int nChipType : chipTypes) {
        for (int nCode = 0; nCode <= 0xFF; ++nCode) {
            SCOPED_TRACE(testing::Message() << "chip " << nChipType << " code " << nCode);
            CInBinaryString reader = OperationBytes(nCode);
            std::unique_ptr<CSerialMemoryOperation> op(
                CSerialMemoryOperation::Create(nChipType, reader, 0));
            const CExpected* pExpected = Expected(nChipType, nCode);
            if (pExpected == nullptr) {
                ASSERT_EQ(op, nullptr);
                EXPECT_EQ(reader.m_nPos, 3) << "only the code and the length word are read";
                continue;
            }
            ASSERT_NE(op, nullptr);
            EXPECT_EQ(typeid(*op), pExpected->cls);
            CStringArray list;
            op->DescribeTo(list);
            ASSERT_GE(list.size(), 2u);
            EXPECT_EQ(list[0], "Operation");
            EXPECT_EQ(list[1], pExpected->pszName);
        }
    }
}

}  // namespace
