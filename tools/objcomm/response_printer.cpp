#include "tools/objcomm/response_printer.h"

#include "objcomm/describe_entries.h"
#include "objcomm/hex.h"
#include "tools/objcomm/json.h"
#include "tools/objcomm/text_escape.h"

namespace {

void PrintJson(std::ostream& out, const CDecodedFrame& decoded) {
    if (!decoded.response) {
        out << "{\"error\":" << JsonString(decoded.strError) << ",\"tag\":" << decoded.dwTag
            << "}\n";
        return;
    }
    CObjCommResponse& response = *decoded.response;
    out << "{\"class\":" << JsonString(ResponseClassName(response))
        << ",\"command\":" << response.GetCommand()
        << ",\"subCommand\":" << response.GetSubCommand()
        << ",\"hasHeader\":" << (response.HasHeader() ? "true" : "false")
        << ",\"tag\":" << decoded.dwTag << ",\"describe\":[";
    const CStringArray& list = response.Describe();
    for (size_t i = 0; i < list.size(); ++i) out << (i ? "," : "") << JsonString(list[i]);
    out << "],\"data\":" << JsonString(ToHex(response.GetData().GetBytes())) << "}\n";
}

void PrintText(std::ostream& out, const CDecodedFrame& decoded) {
    if (!decoded.response) {
        out << "rejected: " << decoded.strError << " tag=" << decoded.dwTag << "\n";
        return;
    }
    CObjCommResponse& response = *decoded.response;
    out << ResponseClassName(response) << " command=" << response.GetCommand();
    if (response.GetSubCommand() >= 0) out << " sub-command=" << response.GetSubCommand();
    out << " form=" << (response.HasHeader() ? "long" : "short") << " tag=" << decoded.dwTag
        << "\n";

    // GetLoneEntries names places in the list Describe built last: Describe comes first.
    const CStringArray& list = response.Describe();
    for (const CDescribeEntry& entry : DescribeEntries(list, response.GetLoneEntries())) {
        out << EscapeText(entry.strLabel);
        if (!entry.bAlone) out << ": " << EscapeText(entry.strValue);
        out << "\n";
    }
    const CString data = ToHex(response.GetData().GetBytes());
    out << "data:" << (data.empty() ? "" : " ") << data << "\n";
}

}  // namespace

void PrintDecodedFrame(std::ostream& out, const CDecodedFrame& decoded, bool bJson) {
    if (bJson) {
        PrintJson(out, decoded);
    } else {
        PrintText(out, decoded);
    }
}
