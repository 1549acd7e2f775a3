#include "tools/objcomm/request_options.h"

#include "objcomm/health_check_request.h"
#include "objcomm/hex.h"
#include "objcomm/register_device_request.h"
#include "tools/objcomm/option_values.h"
#include "tools/objcomm/usage_error.h"

namespace {

bool TakeFramingOption(const std::vector<std::string>& args, size_t& i,
                       CCommandLineRequest& request) {
    if (args[i] == "--id") {
        request.strIdentifier = OptionValue(args, i);
        if (request.strIdentifier.size() > 255)
            throw CUsageError("--id is longer than 255 characters");
    } else if (args[i] == "--long-length") {
        request.bLongLength = true;
    } else if (args[i] == "--tag") {
        request.wTag =
            static_cast<WORD>(ParseNumberArgument("--tag", OptionValue(args, i), 0xFFFF));
    } else {
        return false;
    }
    return true;
}

CString ShortText(const std::string& strOption, const std::string& strValue) {
    if (strValue.size() > 255) throw CUsageError(strOption + " is longer than 255 characters");
    return strValue;
}

}  // namespace

CCommandLineRequest ParseRequest(const std::vector<std::string>& args, size_t first,
                                 bool bFramingOptions) {
    if (first >= args.size()) throw CUsageError("name a request: health or register");
    const std::string& kind = args[first];
    if (kind != "health" && kind != "register") {
        throw CUsageError("unknown request '" + kind + "' (health or register)");
    }
    CCommandLineRequest request;
    bool bShort = false;
    bool bHaveName = false;
    CString strName, strOld;
    CByteArray modules;
    bool bHaveModules = false;
    for (size_t i = first + 1; i < args.size(); ++i) {
        if (bFramingOptions && TakeFramingOption(args, i, request)) continue;
        if (kind == "health" && args[i] == "--short") {
            bShort = true;
        } else if (kind == "register" && args[i] == "--name") {
            strName = ShortText("--name", OptionValue(args, i));
            bHaveName = true;
        } else if (kind == "register" && args[i] == "--old") {
            strOld = ShortText("--old", OptionValue(args, i));
        } else if (kind == "register" && args[i] == "--module") {
            CByteArray bytes;
            CString error;
            if (!ParseHexBytes(OptionValue(args, i), bytes, &error) || bytes.empty()) {
                throw CUsageError("--module takes hex bytes: " +
                                  (error.empty() ? "none given" : error));
            }
            modules.insert(modules.end(), bytes.begin(), bytes.end());
            bHaveModules = true;
        } else {
            throw CUsageError("unknown option '" + args[i] + "' for " + kind);
        }
    }
    if (kind == "health") {
        request.message =
            std::make_unique<CMsgHealthCheck>(!bShort, CMsgHealthCheck::kStationContext);
        return request;
    }
    if (!bHaveName) throw CUsageError("register needs --name NAME");
    if (modules.size() > 255) throw CUsageError("at most 255 module bytes");
    if (!bHaveModules) modules = {0x01};
    request.message = std::make_unique<CMsgRegisterDevice>(strName, modules, strOld,
                                                           CMsgRegisterDevice::kStationContext);
    return request;
}
