#include "objcomm/request_decoder.h"

#include "objcomm/checksum.h"
#include "objcomm/errors.h"
#include "objcomm/frame_reader.h"
#include "objcomm/health_check_request.h"
#include "objcomm/register_device_request.h"

namespace {

void DecodeRegisterDevice(const CByteArray& body, CDecodedRequest& request) {
    CInBinaryString payload(body);
    try {
        auto message =
            std::make_unique<CMsgRegisterDevice>(payload, CMsgRegisterDevice::kStationContext);
        if (!payload.IsExhausted()) {
            request.strProblem = "bytes after the module list";
            return;
        }
        request.message = std::move(message);
    } catch (const CInBinaryStringException&) {
        request.strProblem = "Register Device payload cut short";
    }
}

}  // namespace

CDecodedRequest DecodeRequest(const CByteArray& frame) {
    CDecodedRequest request;
    CFrameLayout layout;
    try {
        ReadFrameLayout(frame, layout);
    } catch (const CInBinaryStringException&) {
        request.strProblem = "frame cut short";
    }
    request.bLongForm = !frame.empty() && IsLongForm(layout.nForm);
    request.nCommand = layout.nCommand;
    request.strIdentifier = FrameIdentifier(frame, layout);
    if (!request.strProblem.empty()) return request;
    if (frame[layout.GetChecksumOffset()] !=
        ComputeChecksum(frame.data(), layout.GetChecksumOffset())) {
        request.strProblem = "bad checksum";
    } else if (request.nCommand == kHealthCheck) {
        request.message =
            std::make_unique<CMsgHealthCheck>(request.bLongForm, CMsgHealthCheck::kStationContext);
    } else if (request.nCommand == kRegisterDevice) {
        DecodeRegisterDevice(FrameBody(frame, layout), request);
    }
    return request;
}
