#include "objcomm/authenticate_client_response.h"
#include "objcomm/error_response.h"
#include "objcomm/errors.h"
#include "objcomm/frame_codes.h"
#include "objcomm/health_check_response.h"
#include "objcomm/key_request_response.h"
#include "objcomm/key_store_response.h"
#include "objcomm/object_request_response.h"
#include "objcomm/pass_through_table.h"
#include "objcomm/response.h"
#include "objcomm/text_payload_responses.h"

namespace {

// Server responses; the pass-through command has its own table by sub-command.
using ServerResponseMaker = CObjCommResponse* (*)(CInBinaryString& payload, DWORD dwContext,
                                                  bool bHeader);

template <typename T>
CObjCommResponse* Make(CInBinaryString& payload, DWORD dwContext, bool) {
    return new T(payload, dwContext);
}

// Only these two classes remember which form their frame came in.
template <typename T>
CObjCommResponse* MakeWithForm(CInBinaryString& payload, DWORD dwContext, bool bHeader) {
    return new T(payload, dwContext, bHeader);
}

struct CommandEntry {
    BYTE nCommand;
    ServerResponseMaker make;
};

constexpr CommandEntry kCommands[] = {
    {0x01, Make<CRspKeyRequest>},
    {0x03, Make<CRspKeyStore>},
    {0x04, Make<CRspObjectRequest>},
    {0x05, Make<CRspObjectDataLoading>},
    {0x06, Make<CRspRegisterDevice>},
    {0x07, Make<CRspRequestDeviceName>},
    {0x08, Make<CRspAuthenticateClient>},
    {0x09, Make<CRspSetDeviceName>},
    {kPassThrough, nullptr},
    {kHealthCheck, MakeWithForm<CRspHealthCheck>},
    {kError, MakeWithForm<CRspError>},
};

const CommandEntry* FindCommand(BYTE nCommand) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.nCommand == nCommand) return &entry;
    }
    return nullptr;
}

// The only first bytes a frame may have: the two long forms, and the commands that may
// travel in the short form.
bool IsAcceptedFirstByte(BYTE b) {
    return b == kLongForm16 || b == 0x01 || b == kLongForm32 || b == 0x03 || b == kHealthCheck ||
           b == kError;
}

}  // namespace

CObjCommResponse* CObjCommResponse::Create(CInBinaryString& frame, DWORD* pdwTag,
                                           DWORD dwContext) {
    *pdwTag = 0;
    frame.m_nPos = 0;
    try {
        const BYTE first = frame.ReadByte();
        BYTE command = first;
        if (IsLongForm(first)) {
            frame.ReadString(-1);  // identifier: read past, never used
            command = frame.ReadByte();
        }
        CInBinaryString payload;
        frame.ReadBytes(payload.GetBytes(), first == kLongForm32 ? -4 : -2);
        const bool bChecksumOk = frame.VerifyChecksum();

        if (!IsAcceptedFirstByte(first)) throw CPassThruParseError();
        if (!bChecksumOk) throw CPassThruChecksumError();
        const CommandEntry* entry = FindCommand(command);
        if (entry == nullptr) throw CPassThruCmdUnknown();

        if (command == kPassThrough) {
            const BYTE subCommand = payload.ReadByte();
            const WORD tag = payload.ReadWord();
            *pdwTag = tag;
            return CreatePassThroughResponse(subCommand, tag, payload, dwContext);
        }
        return entry->make(payload, dwContext, first != command);
    } catch (const CInBinaryStringException&) {
        throw CPassThruParseError();
    }
}
