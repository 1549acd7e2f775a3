#include "objcomm/serialmem/operation_table.h"

#include "objcomm/serialmem/electrical_operations.h"
#include "objcomm/serialmem/gpm256_operations.h"
#include "objcomm/serialmem/gpm896_operations.h"
#include "objcomm/serialmem/sle4418_operations.h"
#include "objcomm/serialmem/sle4432_operations.h"
#include "objcomm/serialmem/sle4436_operations.h"
#include "objcomm/serialmem/st133x_operations.h"
#include "objcomm/serialmem/st14c02c_operations.h"

namespace {

using OperationMaker = CSerialMemoryOperation* (*)(int nChipType, BYTE nCode,
                                                   CInBinaryString& reader, DWORD dwContext);

template <typename T>
CSerialMemoryOperation* Make(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext) {
    return new T(nChipType, nCode, reader, dwContext);
}

// The chip types a cell serves, one bit each for 0x81 to 0x88. Chip types without operations
// of their own (0, 0xFF and every unknown code) share one more bit, which only the cells for
// every chip type have.
constexpr int kFirstChip = 0x81;
constexpr int kLastChip = 0x88;

constexpr unsigned Chip(int nChipType) {
    return nChipType >= kFirstChip && nChipType <= kLastChip ? 1u << (nChipType - kFirstChip)
                                                             : 1u << (kLastChip - kFirstChip + 1);
}

constexpr unsigned k4418 = Chip(0x81);
constexpr unsigned k4432 = Chip(0x82);
constexpr unsigned k4436 = Chip(0x83);
constexpr unsigned k896 = Chip(0x84);
constexpr unsigned k256 = Chip(0x85);
constexpr unsigned k133x = Chip(0x86);
constexpr unsigned k14C02C = Chip(0x87);
constexpr unsigned k4406 = Chip(0x88);
constexpr unsigned kOtherChipTypes = Chip(0);
constexpr unsigned kEveryChip = kOtherChipTypes - 1;
constexpr unsigned kAnyChipType = kEveryChip | kOtherChipTypes;
// The two counter chips agree on everything but authentication.
constexpr unsigned kCounterChips = k4436 | k4406;
// The chips whose address counter is reset and moved by plain operations.
constexpr unsigned kAddressCounterChips = kCounterChips | k896;
// Every chip but the ST133x, whose reset names its card type.
constexpr unsigned kPlainResetChips = kEveryChip & ~k133x;
constexpr unsigned kByteReadChips = k256 | k14C02C;

// What a code means under the chip types of nChips: the class made and the name shown.
struct COperationCell {
    BYTE nCode;
    unsigned nChips;
    OperationMaker make;
    const char* pszName;
};

// One row per meaning; a plain CSerialMemoryOperation is an operation without parameters.
// A code without a row for a chip type means no operation under it.
constexpr COperationCell kCells[] = {
    // The same under every chip type. They come first, so they win over any chip's own.
    {1, kAnyChipType, Make<CSerialMemoryOperation>, "Eject Card"},
    {13, kAnyChipType, Make<CSmOpEnableVPP>, "Enable VPP"},
    {14, kAnyChipType, Make<CSerialMemoryOperation>, "Disable Vpp"},
    {15, kAnyChipType, Make<CSmOpSetPad>, "Set Pad"},
    {16, kAnyChipType, Make<CSmOpReadPad>, "Read Pad"},
    {17, kAnyChipType, Make<CSmOpEnableRxTx>, "Enable Rx/Tx"},
    {19, kAnyChipType, Make<CSmOpSetEtu>, "Set ETU"},
    {22, kAnyChipType, Make<CSmOpDelayMsec>, "Delay Msec"},
    {23, kAnyChipType, Make<CSmOpDelayTime>, "Delay Time"},
    {24, kAnyChipType, Make<CSmOpProgramClock>, "Program Clock"},
    {25, kAnyChipType, Make<CSmOpProgramVcc>, "Program Vcc"},
    {26, kAnyChipType, Make<CSmOpProgramVpp>, "Program Vpp"},

    {0, kPlainResetChips, Make<CSerialMemoryOperation>, "Reset Card"},
    {0, k133x, Make<CSmOpResetST133X>, "Reset"},

    {2, k4418, Make<CSmOpChgPsc4418>, "Change PIN"},
    {2, k4432, Make<CSmOpVerification4432>, "Verification"},
    {2, kAddressCounterChips, Make<CSerialMemoryOperation>, "Address Reset"},
    {2, k256, Make<CSmOpIncToAddr256>, "Increment To Address"},
    {2, k133x, Make<CSmOpAddrResetST133X>, "Address Reset"},
    {2, k14C02C, Make<CSmOpWriteByteST14C02C>, "Write Byte"},

    {3, k4418, Make<CSmOpVerifyPsc4418>, "Verify PIN"},
    {3, kAddressCounterChips, Make<CSerialMemoryOperation>, "Increment Address"},
    {3, k256, Make<CSmOpWriteBytes4432_896_256>, "Write Bytes 256"},
    {3, k133x, Make<CSmOpIncAddrST133X>, "Increment Address"},
    {3, k14C02C, Make<CSmOpMultiByteWriteST14C02C>, "Multi Byte Write"},

    {4, k4418, Make<CSmOpWriteMemory4418>, "Write Memory"},
    {4, k4432, Make<CSmOpWriteBytes4432_896_256>, "Write Bytes 4432"},
    {4, kCounterChips, Make<CSmOpPresentTransportCode4436_4406>, "Present Transport Code"},
    {4, k896, Make<CSmOpPresentCode896>, "Present Code"},
    {4, k256, Make<CSmOpWriteByte256>, "Write Byte"},
    {4, k133x, Make<CSmOpPresentTransportCodeST133X>, "Present Transport Code"},
    {4, k14C02C, Make<CSmOpPageWriteST14C02C>, "Page Write"},

    {5, k4432, Make<CSmOpWriteProtection4432>, "Write Protection"},
    {5, k4436, Make<CSmOpAuthenticate4436>, "Authenticate"},
    {5, k896, Make<CSmOpEraseWords896>, "Erase Words"},
    {5, k256, Make<CSmOpReadBytes4432_896_256>, "Read Bytes 256"},
    {5, k133x, Make<CSmOpProgramBitST133X>, "Program Bit"},
    {5, k14C02C, Make<CSmOpReadBytesST14C02C>, "Read Bytes"},

    {6, k4432, Make<CSmOpWriteSecurity4432>, "Write Security"},
    {6, kCounterChips, Make<CSmOpAddress4436_4406>, "Erase Bit With Carry"},
    {6, k896, Make<CSerialMemoryOperation>, "Write Bit 200MS"},
    {6, kByteReadChips, Make<CSerialMemoryOperation>, "Read Byte"},
    {6, k133x, Make<CSerialMemoryOperation>, "Read Bit"},

    {7, k4418, Make<CSmOpReadMemory4418>, "Read Memory"},
    {7, k4432, Make<CSmOpReadBytes4432_896_256>, "Read Bytes 4432"},
    {7, kCounterChips, Make<CSerialMemoryOperation>, "Write Bit"},
    {7, k896, Make<CSmOpWriteBytes4432_896_256>, "Write Bytes 896"},
    {7, k256, Make<CSerialMemoryOperation>, "Initialize"},
    {7, k14C02C, Make<CSmOpReadByteAddrST14C02C>, "Read Byte Address"},

    {8, k4432, Make<CSerialMemoryOperation>, "Read Protection"},
    {8, kCounterChips, Make<CSmOpAddress4436_4406>, "Write Bit Address"},
    {8, k896, Make<CSmOpReadBytes4432_896_256>, "Read Bytes 896"},
    {8, k14C02C, Make<CSmOpReadBytesAddrST14C02C>, "Read Bytes address"},

    {9, k4432, Make<CSerialMemoryOperation>, "Read Security"},
    {9, kCounterChips, Make<CSerialMemoryOperation>, "Write Bit Increment Address"},
    {9, k133x, Make<CSmOpBlowCfgFuseST133X>, "Blow Configuration Fuse"},

    {10, kCounterChips, Make<CSerialMemoryOperation>, "Read Bit"},
    {10, k133x, Make<CSmOpCheckCfgFuseST133X>, "Check Config Fuse"},

    {11, kCounterChips, Make<CSmOpAddress4436_4406>, "Read Bit Address"},
    {11, k896, Make<CSmOpSetWriteDelay896>, "Set Write Delay"},

    {12, kCounterChips, Make<CSerialMemoryOperation>, "Read Bit Increment Address"},
};

const COperationCell* FindCell(int nChipType, BYTE nCode) {
    const unsigned nChip = Chip(nChipType);
    for (const COperationCell& cell : kCells) {
        if (cell.nCode == nCode && (cell.nChips & nChip) != 0) return &cell;
    }
    return nullptr;
}

}  // namespace

const char* GetOperationName(int nChipType, BYTE nCode) {
    const COperationCell* pCell = FindCell(nChipType, nCode);
    return pCell ? pCell->pszName : kUnknownOperation;
}

CSerialMemoryOperation* CSerialMemoryOperation::Create(int nChipType, CInBinaryString& reader,
                                                       DWORD dwContext) {
    const BYTE nCode = reader.ReadByte();
    reader.ReadWord();  // the parameter length: each class knows its own
    const COperationCell* pCell = FindCell(nChipType, nCode);
    return pCell ? pCell->make(nChipType, nCode, reader, dwContext) : nullptr;
}
