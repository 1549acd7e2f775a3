#include "tools/stationreg/command_line.h"

#include <cctype>
#include <cstring>

#include "platform/no_case.h"
#include "tools/stationreg/value_data.h"

namespace {

enum class EArguments { KeyAndFlags, KeyAndName, None };

// What each operation takes: KEY then flags (those it allows and those it needs), KEY then
// a bare value name (get), or nothing at all (init).
struct COperationSyntax {
    const char* pszName;
    EOperation operation;
    EArguments arguments;
    const char* pszFlags;
    const char* pszRequired;
};

constexpr COperationSyntax kOperations[] = {
    {"query", EOperation::Query, EArguments::KeyAndFlags, "v", ""},
    {"add", EOperation::Add, EArguments::KeyAndFlags, "vtdf", "vd"},
    {"delete", EOperation::Delete, EArguments::KeyAndFlags, "vf", ""},
    {"get", EOperation::Get, EArguments::KeyAndName, "", ""},
    {"init", EOperation::Init, EArguments::None, "", ""},
};

bool IsHelp(const CString& strArg) {
    return strArg == "--help" || strArg == "/?" || strArg == "-?";
}

// The flag letter of "/x" or "-X", lower-cased; 0 for anything else.
char FlagLetter(const CString& strArg) {
    const bool bFlag = strArg.size() == 2 && (strArg[0] == '/' || strArg[0] == '-');
    return bFlag ? static_cast<char>(std::tolower(static_cast<unsigned char>(strArg[1]))) : 0;
}

EParseResult ParseFlags(const COperationSyntax& syntax, const CStringArray& arrArgs, size_t nFirst,
                        CRegCommand& command) {
    CString strSeen;
    CString strType = "REG_SZ";
    for (size_t i = nFirst; i < arrArgs.size(); ++i) {
        if (IsHelp(arrArgs[i])) return EParseResult::Help;
        const char cFlag = FlagLetter(arrArgs[i]);
        if (cFlag == 0 || !std::strchr(syntax.pszFlags, cFlag) ||
            strSeen.find(cFlag) != CString::npos) {
            return EParseResult::InvalidSyntax;
        }
        strSeen += cFlag;
        if (cFlag == 'f') {
            command.bForce = true;
            continue;
        }
        if (++i == arrArgs.size()) return EParseResult::InvalidSyntax;
        if (cFlag == 'v') command.strValueName = arrArgs[i];
        if (cFlag == 't') strType = arrArgs[i];
        if (cFlag == 'd') command.strData = arrArgs[i];
    }
    for (const char* p = syntax.pszRequired; *p; ++p) {
        if (strSeen.find(*p) == CString::npos) return EParseResult::InvalidSyntax;
    }
    command.dwType = ValueTypeFromName(strType);
    return command.dwType != 0 ? EParseResult::Command : EParseResult::InvalidSyntax;
}

}  // namespace

EParseResult ParseCommandLine(const CStringArray& arrArgs, CRegCommand& command) {
    // Help counts where a word may stand, not as the argument of a flag ("/d --help").
    for (size_t i = 0; i < arrArgs.size() && i < 2; ++i) {
        if (IsHelp(arrArgs[i])) return EParseResult::Help;
    }
    if (arrArgs.empty()) return EParseResult::InvalidSyntax;
    for (const COperationSyntax& syntax : kOperations) {
        if (!EqualsNoCase(arrArgs[0], syntax.pszName)) continue;
        command.operation = syntax.operation;
        if (syntax.arguments == EArguments::None) {
            return arrArgs.size() == 1 ? EParseResult::Command : EParseResult::InvalidSyntax;
        }
        if (arrArgs.size() < 2) return EParseResult::InvalidSyntax;
        command.strKey = arrArgs[1];
        if (syntax.arguments == EArguments::KeyAndFlags) {
            return ParseFlags(syntax, arrArgs, 2, command);
        }
        if (arrArgs.size() == 3 && IsHelp(arrArgs[2])) return EParseResult::Help;
        if (arrArgs.size() != 3) return EParseResult::InvalidSyntax;
        command.strValueName = arrArgs[2];
        return EParseResult::Command;
    }
    return EParseResult::InvalidSyntax;
}
