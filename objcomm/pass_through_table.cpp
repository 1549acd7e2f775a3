#include "objcomm/pass_through_table.h"

#include "objcomm/contact/contact_responses.h"
#include "objcomm/contact/process_response.h"
#include "objcomm/contact/serial_port_response.h"
#include "objcomm/contact/set_baud_rate_response.h"
#include "objcomm/errors.h"
#include "objcomm/response_maker.h"
#include "objcomm/station/bulk_process_response.h"
#include "objcomm/station/bulk_serial_process_response.h"
#include "objcomm/station/completion_responses.h"
#include "objcomm/station/contactless_responses.h"
#include "objcomm/station/message_response.h"
#include "objcomm/station/reader_attribute_response.h"
#include "objcomm/station/serial_memory_process_response.h"
#include "objcomm/station/station_control_responses.h"

namespace {

struct SubCommandEntry {
    BYTE nSubCommand;
    ResponseMaker make;
};

constexpr BYTE kCompletion = 0xFF;

constexpr SubCommandEntry kSubCommands[] = {
    {0x01, MakeResponse<CRspResetCard>},
    {0x02, MakeResponse<CRspSetVoltage>},
    {0x03, MakeResponse<CRspSetBaudRate>},
    {0x04, MakeResponse<CRspSetFrequency>},
    {0x05, MakeResponse<CRspProcess>},
    {0x06, MakeResponse<CRspEjectCard>},
    {0x07, MakeResponse<CRspQueryCard>},
    {0x08, MakeResponse<CRspSetNAD>},
    {0x09, MakeResponse<CRspConfigSerialPort>},
    {0x0A, MakeResponse<CRspGetHardwareVersion>},
    {0x0B, MakeResponse<CRspWarmReset>},
    {0x0C, MakeResponse<CRspBulkProcess>},
    {0x0D, MakeResponse<CRspSerialMemoryProcess>},
    {0x0E, MakeResponse<CRspBulkSerialProcess>},
    {0x0F, MakeResponse<CRspResetCardWithPPS>},
    {0x10, MakeResponse<CRspResend>},
    {0x12, MakeResponse<CRspWarmResetWithPPS>},
    {0x13, MakeResponse<CRspKeepAlive>},
    {0x15, MakeResponse<CRspCardCommandSimulation>},
    {0x16, MakeResponse<CRspReaderAttribute>},
    {0x17, MakeResponse<CRspSetCardType>},
    {0x20, MakeResponse<CRspMessage>},
    {0x21, MakeResponse<CRspSelectStation>},
    {0x22, MakeResponse<CRspSerialFlush>},
    {0x30, MakeResponse<CRspPiccReset>},
    {0x31, MakeResponse<CRspPiccIssuePPS>},
    {0x32, MakeResponse<CRspPiccAntennaTuning>},
    {0x33, MakeResponse<CRspSetKeys>},
    {0x34, MakeResponse<CRspPiccAuthenticate>},
    {0x35, MakeResponse<CRspPiccPower>},
    {0x36, MakeResponse<CRspDiversifyKeys>},
    {0x37, MakeResponse<CRspReqb>},
    {0x38, MakeResponse<CRspWupb>},
    {0x39, MakeResponse<CRspAttrib>},
    {0x3A, MakeResponse<CRspHltb>},
};

// Completion acknowledgements: a non-zero tag closes a card, tag 0 ends the session.
constexpr ResponseMaker kCardComplete = MakeResponse<CRspPassThroughModeComplete>;
constexpr ResponseMaker kSessionFinished = MakeResponse<CRspPassThroughModeFinish>;

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
