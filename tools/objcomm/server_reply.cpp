#include "tools/objcomm/server_reply.h"

#include "objcomm/frame_codes.h"
#include "objcomm/hex.h"
#include "objcomm/register_device_request.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr BYTE kBadChecksum = 0x91;
constexpr BYTE kUnknownCommand = 0x93;

// An answer frame, built by the same framing code as requests: both directions share it.
class CAnswer : public CObjCommMessage {
public:
    CAnswer(BYTE nCommand, CByteArray payload, bool bLongForm)
        : CObjCommMessage(0),
          m_nCommand(nCommand),
          m_payload(std::move(payload)),
          m_bLongForm(bLongForm) {}

    int GetCommand() override { return m_nCommand; }
    int GetSubCommand() override { return kNoSubCommand; }
    bool HasHeader() override { return m_bLongForm; }
    COutBinaryString GetData() override {
        COutBinaryString out;
        out.AppendBytes(m_payload);
        return out;
    }
    CStringArray& Describe() override { return m_arrDescribe; }

    CByteArray Frame(const CString& strIdentifier) {
        COutBinaryString out;
        BuildPacket(out, 0, strIdentifier, FALSE);
        return out.GetBytes();
    }

private:
    BYTE m_nCommand;
    CByteArray m_payload;
    bool m_bLongForm;
    CStringArray m_arrDescribe;
};

// Answers keep the request's form and identifier, except that a Register Device answer is
// only understood in the long form.
CByteArray Answer(const CDecodedRequest& request, BYTE nCommand, CByteArray payload) {
    const bool bLongForm = request.bLongForm || nCommand == kRegisterDevice;
    return CAnswer(nCommand, std::move(payload), bLongForm).Frame(request.strIdentifier);
}

CByteArray RegisterAnswer(const CDecodedRequest& request) {
    CString strName;
    if (request.nCommand == kRegisterDevice) {
        strName = static_cast<CMsgRegisterDevice&>(*request.message).m_strDeviceName;
    }
    return Answer(request, kRegisterDevice, CByteArray(strName.begin(), strName.end()));
}

CByteArray ParseHexArgument(const std::string& strText, const std::string& strWhat) {
    CByteArray bytes;
    CString strError;
    if (!ParseHexBytes(strText, bytes, &strError) || bytes.empty()) {
        throw CUsageError("--reply " + strWhat + " takes hex bytes" +
                          (strError.empty() ? "" : ": " + strError));
    }
    return bytes;
}

}  // namespace

CReplyMode ParseReplyMode(const std::string& strText) {
    CReplyMode mode;
    if (strText == "normal") {
        mode.eKind = CReplyMode::EKind::kNormal;
    } else if (strText == "swap") {
        mode.eKind = CReplyMode::EKind::kSwap;
    } else if (strText.starts_with("error:")) {
        const CByteArray code = ParseHexArgument(strText.substr(6), "error:HH");
        if (code.size() != 1) throw CUsageError("--reply error:HH takes one hex byte");
        mode.eKind = CReplyMode::EKind::kError;
        mode.nErrorCode = code[0];
    } else if (strText.starts_with("raw:")) {
        mode.eKind = CReplyMode::EKind::kRaw;
        mode.raw = ParseHexArgument(strText.substr(4), "raw:HEX");
    } else {
        throw CUsageError("unknown --reply '" + strText + "' (normal, error:HH, swap, raw:HEX)");
    }
    return mode;
}

CByteArray BuildReply(const CReplyMode& mode, const CDecodedRequest& request) {
    if (mode.eKind == CReplyMode::EKind::kRaw) return mode.raw;
    if (mode.eKind == CReplyMode::EKind::kError) return Answer(request, kError, {mode.nErrorCode});
    if (!request.strProblem.empty()) return Answer(request, kError, {kBadChecksum});
    if (!request.message) return Answer(request, kError, {kUnknownCommand});
    const bool bHealthCheck = request.nCommand == kHealthCheck;
    const bool bAnswerHealth =
        mode.eKind == CReplyMode::EKind::kSwap ? !bHealthCheck : bHealthCheck;
    return bAnswerHealth ? Answer(request, kHealthCheck, {}) : RegisterAnswer(request);
}
