#include "tools/objcomm/received_request.h"

#include "objcomm/errors.h"
#include "objcomm/frame_codes.h"
#include "objcomm/health_check_request.h"
#include "objcomm/hex.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/register_device_request.h"
#include "tools/objcomm/frame_decoder.h"
#include "tools/objcomm/json.h"
#include "tools/objcomm/request_options.h"
#include "tools/objcomm/text_escape.h"

namespace {

constexpr char kOverwriteWithPseudoIp = '2';
constexpr size_t kLoggedFrameBytes = 64;

// The payload of CMsgRegisterDevice::GetData, read back.
void ReadRegisterDevice(CReceivedRequest& request) {
    CInBinaryString payload(request.body);
    try {
        const char cMode = static_cast<char>(payload.ReadByte());
        const CString strOld = cMode == kOverwriteWithPseudoIp ? payload.ReadString(-1) : "";
        const CString strName = payload.ReadString(-1);
        CByteArray modules;
        payload.ReadBytes(modules, -1);
        if (!payload.IsExhausted()) {
            request.strProblem = "bytes after the module list";
            return;
        }
        auto message =
            std::make_unique<CMsgRegisterDevice>(strName, modules, strOld, kRegisterContext);
        message->m_cOverwriteMode = cMode;
        request.message = std::move(message);
    } catch (const CInBinaryStringException&) {
        request.strProblem = "Register Device payload cut short";
    }
}

// "HEX" for a short frame; "HEX ... (N bytes)" with the first kLoggedFrameBytes of a longer one.
std::string BoundedHex(const CByteArray& frame) {
    if (frame.size() <= kLoggedFrameBytes) return ToHex(frame);
    const CByteArray head(frame.begin(), frame.begin() + kLoggedFrameBytes);
    return ToHex(head) + " ... (" + std::to_string(frame.size()) + " bytes)";
}

std::string ClassText(const CReceivedRequest& request) {
    if (!request.message) return "unknown";
    const CObjCommMessage& message = *request.message;
    return ClassName(typeid(message));
}

}  // namespace

CReceivedRequest ReadReceivedRequest(const CByteArray& bytes) {
    CReceivedRequest request;
    CInBinaryString frame(bytes);
    try {
        const BYTE first = frame.ReadByte();
        request.bLongForm = IsLongForm(first);
        request.nCommand = first;
        if (request.bLongForm) {
            request.strIdentifier = frame.ReadString(-1);
            request.nCommand = frame.ReadByte();
        }
        frame.ReadBytes(request.body, first == kLongForm32 ? -4 : -2);
        if (!frame.VerifyChecksum()) request.strProblem = "bad checksum";
    } catch (const CInBinaryStringException&) {
        request.strProblem = "frame cut short";
    }
    // The reader is done with the bytes, which may be megabytes: hand them on, not a copy.
    request.frame = std::move(frame.GetBytes());
    if (!request.strProblem.empty()) return request;
    if (request.nCommand == kHealthCheck) {
        request.message = std::make_unique<CMsgHealthCheck>(request.bLongForm, kHealthCheckContext);
    } else if (request.nCommand == kRegisterDevice) {
        ReadRegisterDevice(request);
    }
    return request;
}

void PrintReceivedRequest(std::ostream& out, const CReceivedRequest& request, bool bJson) {
    const CStringArray describe = request.message ? request.message->Describe() : CStringArray();
    const char* pszForm = request.bLongForm ? "long" : "short";
    if (bJson) {
        out << "{\"request\":" << JsonString(ClassText(request))
            << ",\"command\":" << int{request.nCommand} << ",\"form\":\"" << pszForm
            << "\",\"id\":" << JsonString(request.strIdentifier) << ",\"describe\":[";
        for (size_t i = 0; i < describe.size(); ++i)
            out << (i ? "," : "") << JsonString(describe[i]);
        out << "],\"frame\":" << JsonString(BoundedHex(request.frame)) << ",\"malformed\":"
            << (request.strProblem.empty() ? "null" : JsonString(request.strProblem)) << "}\n";
        return;
    }
    out << ClassText(request) << " command=" << int{request.nCommand} << " form=" << pszForm;
    if (request.bLongForm) out << " id=" << EscapeText(request.strIdentifier);
    if (!request.strProblem.empty()) out << " malformed: " << request.strProblem;
    if (!request.message) out << " frame=" << BoundedHex(request.frame);
    for (size_t i = 0; i + 1 < describe.size(); i += 2) {
        out << "; " << EscapeText(describe[i]) << ": " << EscapeText(describe[i + 1]);
    }
    out << "\n";
}
