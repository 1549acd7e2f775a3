// The only place where codes meet classes. Each row takes its code from the class it makes,
// so a code is written once, in its class.
#include <span>
#include <type_traits>

#include "objcomm/authenticate_client_response.h"
#include "objcomm/contact/contact_responses.h"
#include "objcomm/contact/process_response.h"
#include "objcomm/contact/serial_port_response.h"
#include "objcomm/contact/set_baud_rate_response.h"
#include "objcomm/error_response.h"
#include "objcomm/frame_reader.h"
#include "objcomm/health_check_response.h"
#include "objcomm/key_request_response.h"
#include "objcomm/key_store_response.h"
#include "objcomm/object_request_response.h"
#include "objcomm/station/bulk_process_response.h"
#include "objcomm/station/bulk_serial_process_response.h"
#include "objcomm/station/completion_responses.h"
#include "objcomm/station/contactless_responses.h"
#include "objcomm/station/message_response.h"
#include "objcomm/station/reader_attribute_response.h"
#include "objcomm/station/serial_memory_process_response.h"
#include "objcomm/station/station_control_responses.h"
#include "objcomm/text_payload_responses.h"

namespace {

using Maker = CObjCommResponse* (*)(CInBinaryString& payload, DWORD dwContext, bool bHeader);

template <typename T>
CObjCommResponse* Make(CInBinaryString& payload, DWORD dwContext, bool bHeader) {
    // Only the health check and error answers remember which form their frame came in.
    if constexpr (std::is_constructible_v<T, CInBinaryString&, DWORD, bool>) {
        return new T(payload, dwContext, bHeader);
    } else {
        return new T(payload, dwContext);
    }
}

struct CRow {
    int nCode;
    Maker make;
};

template <typename T>
constexpr CRow ByCommand() {
    return {T::kCommand, Make<T>};
}

template <typename T>
constexpr CRow BySubCommand() {
    return {T::kSubCommand, Make<T>};
}

// The pass-through command has no row: its classes are chosen by sub-command.
constexpr CRow kCommands[] = {
    ByCommand<CRspKeyRequest>(),         ByCommand<CRspKeyStore>(),
    ByCommand<CRspObjectRequest>(),      ByCommand<CRspObjectDataLoading>(),
    ByCommand<CRspRegisterDevice>(),     ByCommand<CRspRequestDeviceName>(),
    ByCommand<CRspAuthenticateClient>(), ByCommand<CRspSetDeviceName>(),
    ByCommand<CRspHealthCheck>(),        ByCommand<CRspError>(),
};

// The completion acknowledgements have no row: the exchange tag tells the two apart.
constexpr CRow kSubCommands[] = {
    BySubCommand<CRspResetCard>(),
    BySubCommand<CRspSetVoltage>(),
    BySubCommand<CRspSetBaudRate>(),
    BySubCommand<CRspSetFrequency>(),
    BySubCommand<CRspProcess>(),
    BySubCommand<CRspEjectCard>(),
    BySubCommand<CRspQueryCard>(),
    BySubCommand<CRspSetNAD>(),
    BySubCommand<CRspConfigSerialPort>(),
    BySubCommand<CRspGetHardwareVersion>(),
    BySubCommand<CRspWarmReset>(),
    BySubCommand<CRspBulkProcess>(),
    BySubCommand<CRspSerialMemoryProcess>(),
    BySubCommand<CRspBulkSerialProcess>(),
    BySubCommand<CRspResetCardWithPPS>(),
    BySubCommand<CRspResend>(),
    BySubCommand<CRspWarmResetWithPPS>(),
    BySubCommand<CRspKeepAlive>(),
    BySubCommand<CRspCardCommandSimulation>(),
    BySubCommand<CRspReaderAttribute>(),
    BySubCommand<CRspSetCardType>(),
    BySubCommand<CRspMessage>(),
    BySubCommand<CRspSelectStation>(),
    BySubCommand<CRspSerialFlush>(),
    BySubCommand<CRspPiccReset>(),
    BySubCommand<CRspPiccIssuePPS>(),
    BySubCommand<CRspPiccAntennaTuning>(),
    BySubCommand<CRspSetKeys>(),
    BySubCommand<CRspPiccAuthenticate>(),
    BySubCommand<CRspPiccPower>(),
    BySubCommand<CRspDiversifyKeys>(),
    BySubCommand<CRspReqb>(),
    BySubCommand<CRspWupb>(),
    BySubCommand<CRspAttrib>(),
    BySubCommand<CRspHltb>(),
};

static_assert(CRspPassThroughModeComplete::kSubCommand == CRspPassThroughModeFinish::kSubCommand);

Maker Find(std::span<const CRow> rows, int nCode) {
    for (const CRow& row : rows) {
        if (row.nCode == nCode) return row.make;
    }
    return nullptr;
}

// A non-zero tag closes one card; tag 0 ends the session.
Maker FindPassThrough(BYTE nSubCommand, WORD wTag) {
    if (nSubCommand == CRspPassThroughModeComplete::kSubCommand) {
        return wTag != 0 ? Make<CRspPassThroughModeComplete> : Make<CRspPassThroughModeFinish>;
    }
    return Find(kSubCommands, nSubCommand);
}

// The two long forms, and the commands that may travel in the short form.
bool IsAcceptedFirstByte(BYTE b) {
    return IsLongForm(b) || b == kKeyRequest || b == kKeyStore || b == kHealthCheck || b == kError;
}

}  // namespace

CObjCommResponse* CObjCommResponse::Create(CInBinaryString& frame, DWORD* pdwTag, DWORD dwContext) {
    *pdwTag = 0;
    frame.m_nPos = 0;
    try {
        CFrameLayout layout;
        ReadFrameLayout(frame.GetBytes(), layout);
        frame.m_nPos = static_cast<int>(layout.GetChecksumOffset());
        const bool bChecksumOk = frame.VerifyChecksum();

        if (!IsAcceptedFirstByte(layout.nForm)) throw CPassThruParseError();
        if (!bChecksumOk) throw CPassThruChecksumError();
        const bool bPassThrough = layout.nCommand == kPassThrough;
        Maker make = bPassThrough ? nullptr : Find(kCommands, layout.nCommand);
        if (!bPassThrough && make == nullptr) throw CPassThruCmdUnknown();

        CInBinaryString payload(FrameBody(frame.GetBytes(), layout));
        if (bPassThrough) {
            const BYTE nSubCommand = payload.ReadByte();
            const WORD wTag = payload.ReadWord();
            *pdwTag = wTag;
            make = FindPassThrough(nSubCommand, wTag);
            if (make == nullptr) throw CPassThruSubCmdUnknown();
        }
        return make(payload, dwContext, layout.nForm != layout.nCommand);
    } catch (const CInBinaryStringException&) {
        throw CPassThruParseError();
    }
}
