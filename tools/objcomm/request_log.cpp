#include "tools/objcomm/request_log.h"

#include "objcomm/frame_decoder.h"
#include "objcomm/hex.h"
#include "tools/objcomm/json.h"
#include "tools/objcomm/text_escape.h"

namespace {

constexpr size_t kLoggedFrameBytes = 64;

// "HEX" for a short frame; "HEX ... (N bytes)" with the first kLoggedFrameBytes of a longer one.
std::string BoundedHex(const CByteArray& frame) {
    if (frame.size() <= kLoggedFrameBytes) return ToHex(frame);
    const CByteArray head(frame.begin(), frame.begin() + kLoggedFrameBytes);
    return ToHex(head) + " ... (" + std::to_string(frame.size()) + " bytes)";
}

std::string ClassText(const CDecodedRequest& request) {
    if (!request.message) return "unknown";
    const CObjCommMessage& message = *request.message;
    return ClassName(typeid(message));
}

}  // namespace

void PrintRequestLog(std::ostream& out, const CByteArray& frame, const CDecodedRequest& request,
                     bool bJson) {
    const CStringArray describe = request.message ? request.message->Describe() : CStringArray();
    const char* pszForm = request.bLongForm ? "long" : "short";
    if (bJson) {
        out << "{\"request\":" << JsonString(ClassText(request))
            << ",\"command\":" << int{request.nCommand} << ",\"form\":\"" << pszForm
            << "\",\"id\":" << JsonString(request.strIdentifier) << ",\"describe\":[";
        for (size_t i = 0; i < describe.size(); ++i) {
            out << (i ? "," : "") << JsonString(describe[i]);
        }
        out << "],\"frame\":" << JsonString(BoundedHex(frame)) << ",\"malformed\":"
            << (request.strProblem.empty() ? "null" : JsonString(request.strProblem)) << "}\n";
        return;
    }
    out << ClassText(request) << " command=" << int{request.nCommand} << " form=" << pszForm;
    if (request.bLongForm) out << " id=" << EscapeText(request.strIdentifier);
    if (!request.strProblem.empty()) out << " malformed: " << request.strProblem;
    if (!request.message) out << " frame=" << BoundedHex(frame);
    for (size_t i = 0; i + 1 < describe.size(); i += 2) {
        out << "; " << EscapeText(describe[i]) << ": " << EscapeText(describe[i + 1]);
    }
    out << "\n";
}
