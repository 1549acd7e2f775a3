// Which operation every (chip type, code) pair makes, written out pair by pair as the
// station's chips define them, against the factory's one table of meanings.
#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

#include "objcomm/serialmem/electrical_operations.h"
#include "objcomm/serialmem/gpm256_operations.h"
#include "objcomm/serialmem/gpm896_operations.h"
#include "objcomm/serialmem/sle4418_operations.h"
#include "objcomm/serialmem/sle4432_operations.h"
#include "objcomm/serialmem/sle4436_operations.h"
#include "objcomm/serialmem/st133x_operations.h"
#include "objcomm/serialmem/st14c02c_operations.h"

namespace {

// Every operation by chip type and code; any pair not listed makes no operation. Chip type 0
// (no specified type) has only the operations that every chip type has, and those win over
// a chip's own.

struct CExpected {
    int nChipType;
    int nCode;
    const std::type_info& cls;
    const char* pszName;
};

// clang-format off
const CExpected kOperations[] = {
    {0x00, 1, typeid(CSerialMemoryOperation), "Eject Card"},
    {0x00, 13, typeid(CSmOpEnableVPP), "Enable VPP"},
    {0x00, 14, typeid(CSerialMemoryOperation), "Disable Vpp"},
    {0x00, 15, typeid(CSmOpSetPad), "Set Pad"},
    {0x00, 16, typeid(CSmOpReadPad), "Read Pad"},
    {0x00, 17, typeid(CSmOpEnableRxTx), "Enable Rx/Tx"},
    {0x00, 19, typeid(CSmOpSetEtu), "Set ETU"},
    {0x00, 22, typeid(CSmOpDelayMsec), "Delay Msec"},
    {0x00, 23, typeid(CSmOpDelayTime), "Delay Time"},
    {0x00, 24, typeid(CSmOpProgramClock), "Program Clock"},
    {0x00, 25, typeid(CSmOpProgramVcc), "Program Vcc"},
    {0x00, 26, typeid(CSmOpProgramVpp), "Program Vpp"},
    {0x81, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x81, 2, typeid(CSmOpChgPsc4418), "Change PIN"},
    {0x81, 3, typeid(CSmOpVerifyPsc4418), "Verify PIN"},
    {0x81, 4, typeid(CSmOpWriteMemory4418), "Write Memory"},
    {0x81, 7, typeid(CSmOpReadMemory4418), "Read Memory"},
    {0x82, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x82, 2, typeid(CSmOpVerification4432), "Verification"},
    {0x82, 4, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 4432"},
    {0x82, 5, typeid(CSmOpWriteProtection4432), "Write Protection"},
    {0x82, 6, typeid(CSmOpWriteSecurity4432), "Write Security"},
    {0x82, 7, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 4432"},
    {0x82, 8, typeid(CSerialMemoryOperation), "Read Protection"},
    {0x82, 9, typeid(CSerialMemoryOperation), "Read Security"},
    {0x83, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x83, 2, typeid(CSerialMemoryOperation), "Address Reset"},
    {0x83, 3, typeid(CSerialMemoryOperation), "Increment Address"},
    {0x83, 4, typeid(CSmOpPresentTransportCode4436_4406), "Present Transport Code"},
    {0x83, 5, typeid(CSmOpAuthenticate4436), "Authenticate"},
    {0x83, 6, typeid(CSmOpAddress4436_4406), "Erase Bit With Carry"},
    {0x83, 7, typeid(CSerialMemoryOperation), "Write Bit"},
    {0x83, 8, typeid(CSmOpAddress4436_4406), "Write Bit Address"},
    {0x83, 9, typeid(CSerialMemoryOperation), "Write Bit Increment Address"},
    {0x83, 10, typeid(CSerialMemoryOperation), "Read Bit"},
    {0x83, 11, typeid(CSmOpAddress4436_4406), "Read Bit Address"},
    {0x83, 12, typeid(CSerialMemoryOperation), "Read Bit Increment Address"},
    {0x84, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x84, 2, typeid(CSerialMemoryOperation), "Address Reset"},
    {0x84, 3, typeid(CSerialMemoryOperation), "Increment Address"},
    {0x84, 4, typeid(CSmOpPresentCode896), "Present Code"},
    {0x84, 5, typeid(CSmOpEraseWords896), "Erase Words"},
    {0x84, 6, typeid(CSerialMemoryOperation), "Write Bit 200MS"},
    {0x84, 7, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 896"},
    {0x84, 8, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 896"},
    {0x84, 11, typeid(CSmOpSetWriteDelay896), "Set Write Delay"},
    {0x85, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x85, 2, typeid(CSmOpIncToAddr256), "Increment To Address"},
    {0x85, 3, typeid(CSmOpWriteBytes4432_896_256), "Write Bytes 256"},
    {0x85, 4, typeid(CSmOpWriteByte256), "Write Byte"},
    {0x85, 5, typeid(CSmOpReadBytes4432_896_256), "Read Bytes 256"},
    {0x85, 6, typeid(CSerialMemoryOperation), "Read Byte"},
    {0x85, 7, typeid(CSerialMemoryOperation), "Initialize"},
    {0x86, 0, typeid(CSmOpResetST133X), "Reset"},
    {0x86, 2, typeid(CSmOpAddrResetST133X), "Address Reset"},
    {0x86, 3, typeid(CSmOpIncAddrST133X), "Increment Address"},
    {0x86, 4, typeid(CSmOpPresentTransportCodeST133X), "Present Transport Code"},
    {0x86, 5, typeid(CSmOpProgramBitST133X), "Program Bit"},
    {0x86, 6, typeid(CSerialMemoryOperation), "Read Bit"},
    {0x86, 9, typeid(CSmOpBlowCfgFuseST133X), "Blow Configuration Fuse"},
    {0x86, 10, typeid(CSmOpCheckCfgFuseST133X), "Check Config Fuse"},
    {0x87, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x87, 2, typeid(CSmOpWriteByteST14C02C), "Write Byte"},
    {0x87, 3, typeid(CSmOpMultiByteWriteST14C02C), "Multi Byte Write"},
    {0x87, 4, typeid(CSmOpPageWriteST14C02C), "Page Write"},
    {0x87, 5, typeid(CSmOpReadBytesST14C02C), "Read Bytes"},
    {0x87, 6, typeid(CSerialMemoryOperation), "Read Byte"},
    {0x87, 7, typeid(CSmOpReadByteAddrST14C02C), "Read Byte Address"},
    {0x87, 8, typeid(CSmOpReadBytesAddrST14C02C), "Read Bytes address"},
    {0x88, 0, typeid(CSerialMemoryOperation), "Reset Card"},
    {0x88, 2, typeid(CSerialMemoryOperation), "Address Reset"},
    {0x88, 3, typeid(CSerialMemoryOperation), "Increment Address"},
    {0x88, 4, typeid(CSmOpPresentTransportCode4436_4406), "Present Transport Code"},
    {0x88, 6, typeid(CSmOpAddress4436_4406), "Erase Bit With Carry"},
    {0x88, 7, typeid(CSerialMemoryOperation), "Write Bit"},
    {0x88, 8, typeid(CSmOpAddress4436_4406), "Write Bit Address"},
    {0x88, 9, typeid(CSerialMemoryOperation), "Write Bit Increment Address"},
    {0x88, 10, typeid(CSerialMemoryOperation), "Read Bit"},
    {0x88, 11, typeid(CSmOpAddress4436_4406), "Read Bit Address"},
    {0x88, 12, typeid(CSerialMemoryOperation), "Read Bit Increment Address"},
};
// clang-format on

const CExpected* Expected(int nChipType, int nCode) {
    for (int nUnder : {0x00, nChipType}) {
        for (const CExpected& expected : kOperations) {
            if (expected.nChipType == nUnder && expected.nCode == nCode) return &expected;
        }
    }
    return nullptr;
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
