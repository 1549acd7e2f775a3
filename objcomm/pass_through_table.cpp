#include "objcomm/pass_through_table.h"

#include "objcomm/errors.h"
#include "objcomm/response_maker.h"

namespace {

struct SubCommandEntry {
    BYTE nSubCommand;
    ResponseMaker make;  // null while the class is not part of this build
};

constexpr BYTE kCompletion = 0xFF;

constexpr SubCommandEntry kSubCommands[] = {
    {0x01, nullptr},  // CRspResetCard
    {0x02, nullptr},  // CRspSetVoltage
    {0x03, nullptr},  // CRspSetBaudRate
    {0x04, nullptr},  // CRspSetFrequency
    {0x05, nullptr},  // CRspProcess
    {0x06, nullptr},  // CRspEjectCard
    {0x07, nullptr},  // CRspQueryCard
    {0x08, nullptr},  // CRspSetNAD
    {0x09, nullptr},  // CRspConfigSerialPort
    {0x0A, nullptr},  // CRspGetHardwareVersion
    {0x0B, nullptr},  // CRspWarmReset
    {0x0C, nullptr},  // CRspBulkProcess
    {0x0D, nullptr},  // CRspSerialMemoryProcess
    {0x0E, nullptr},  // CRspBulkSerialProcess
    {0x0F, nullptr},  // CRspResetCardWithPPS
    {0x10, nullptr},  // CRspResend
    {0x12, nullptr},  // CRspWarmResetWithPPS
    {0x13, nullptr},  // CRspKeepAlive
    {0x15, nullptr},  // CRspCardCommandSimulation
    {0x16, nullptr},  // CRspReaderAttribute
    {0x17, nullptr},  // CRspSetCardType
    {0x20, nullptr},  // CRspMessage
    {0x21, nullptr},  // CRspSelectStation
    {0x22, nullptr},  // CRspSerialFlush
    {0x30, nullptr},  // CRspPiccReset
    {0x31, nullptr},  // CRspPiccIssuePPS
    {0x32, nullptr},  // CRspPiccAntennaTuning
    {0x33, nullptr},  // CRspSetKeys
    {0x34, nullptr},  // CRspPiccAuthenticate
    {0x35, nullptr},  // CRspPiccPower
    {0x36, nullptr},  // CRspDiversifyKeys
    {0x37, nullptr},  // CRspReqb
    {0x38, nullptr},  // CRspWupb
    {0x39, nullptr},  // CRspAttrib
    {0x3A, nullptr},  // CRspHltb
};

// Completion acknowledgements: a non-zero tag closes a card, tag 0 ends the session.
constexpr ResponseMaker kCardComplete = nullptr;     // CRspPassThroughModeComplete
constexpr ResponseMaker kSessionFinished = nullptr;  // CRspPassThroughModeFinish

ResponseMaker FindMaker(BYTE nSubCommand, WORD wTag) {
    if (nSubCommand == kCompletion) return wTag != 0 ? kCardComplete : kSessionFinished;
    for (const SubCommandEntry& entry : kSubCommands) {
        if (entry.nSubCommand == nSubCommand) return entry.make;
    }
    return nullptr;
}

}  // namespace

CObjCommResponse* CreatePassThroughResponse(BYTE nSubCommand, WORD wTag, CInBinaryString& payload,
                                            DWORD dwContext) {
    const ResponseMaker make = FindMaker(nSubCommand, wTag);
    if (make == nullptr) throw CPassThruSubCmdUnknown();
    return make(payload, dwContext);
}
