#include "tools/stationreg/command_line.h"

#include <algorithm>

#include "platform/no_case.h"
#include "tools/stationreg/value_data.h"

namespace {

enum class EArguments { kKeyAndSwitches, kKeyAndName, kNone };

struct COperationSyntax {
    const char* pszName;
    EOperation operation;
    EArguments arguments;
};

constexpr COperationSyntax kOperations[] = {
    {"query", EOperation::kQuery, EArguments::kKeyAndSwitches},
    {"add", EOperation::kAdd, EArguments::kKeyAndSwitches},
    {"delete", EOperation::kDelete, EArguments::kKeyAndSwitches},
    {"get", EOperation::kGet, EArguments::kKeyAndName},
    {"init", EOperation::kInit, EArguments::kNone},
};

// A switch of one operation: its name after / or -, whether the next word is its argument,
// and what it sets; false when the argument will not do.
struct CSwitch {
    const char* pszName;
    EOperation operation;
    bool bArgument;
    bool (*apply)(CRegCommand& command, const CString& strArgument);
};

bool SetValueName(CRegCommand& command, const CString& strName) {
    command.strValueName = strName;
    return true;
}

bool SetDefaultValue(CRegCommand& command, const CString&) {
    command.strValueName = "";
    return true;
}

bool SetAllValues(CRegCommand& command, const CString&) {
    command.bAllValues = true;
    return true;
}

bool SetType(CRegCommand& command, const CString& strType) {
    return ValueTypeFromName(strType, command.dwType);
}

bool SetSeparator(CRegCommand& command, const CString& strSeparator) {
    command.strSeparator = strSeparator;
    return strSeparator.size() == 1;
}

bool SetData(CRegCommand& command, const CString& strData) {
    command.strData = strData;
    return true;
}

bool SetRecursive(CRegCommand& command, const CString&) {
    command.bRecursive = true;
    return true;
}

bool SetForce(CRegCommand& command, const CString&) {
    command.bForce = true;
    return true;
}

// /s means two things, as in reg: the recursion of query, the separator of add.
constexpr CSwitch kSwitches[] = {
    {"v", EOperation::kQuery, true, SetValueName},
    {"ve", EOperation::kQuery, false, SetDefaultValue},
    {"s", EOperation::kQuery, false, SetRecursive},
    {"v", EOperation::kAdd, true, SetValueName},
    {"ve", EOperation::kAdd, false, SetDefaultValue},
    {"t", EOperation::kAdd, true, SetType},
    {"s", EOperation::kAdd, true, SetSeparator},
    {"d", EOperation::kAdd, true, SetData},
    {"f", EOperation::kAdd, false, SetForce},
    {"v", EOperation::kDelete, true, SetValueName},
    {"ve", EOperation::kDelete, false, SetDefaultValue},
    {"va", EOperation::kDelete, false, SetAllValues},
    {"f", EOperation::kDelete, false, SetForce},
};

bool IsHelp(const CString& strArg) {
    return strArg == "--help" || strArg == "/?" || strArg == "-?" || EqualsNoCase(strArg, "/h") ||
           EqualsNoCase(strArg, "-h");
}

const CSwitch* FindSwitch(EOperation operation, const CString& strArg) {
    if (strArg.size() < 2 || (strArg[0] != '/' && strArg[0] != '-')) return nullptr;
    for (const CSwitch& option : kSwitches) {
        if (option.operation == operation && EqualsNoCase(strArg.substr(1), option.pszName)) {
            return &option;
        }
    }
    return nullptr;
}

EParseResult ParseSwitches(const CStringArray& arrArgs, CRegCommand& command) {
    CStringArray arrSeen;
    for (size_t i = 2; i < arrArgs.size(); ++i) {
        const CSwitch* pSwitch = FindSwitch(command.operation, arrArgs[i]);
        if (!pSwitch || std::ranges::count(arrSeen, pSwitch->pszName) > 0) {
            return EParseResult::kInvalidSyntax;
        }
        arrSeen.push_back(pSwitch->pszName);
        if (pSwitch->bArgument && ++i == arrArgs.size()) return EParseResult::kInvalidSyntax;
        if (!pSwitch->apply(command, pSwitch->bArgument ? arrArgs[i] : CString())) {
            return EParseResult::kInvalidSyntax;
        }
    }
    // One value at most: /v, /ve or /va, the switches whose names start with v.
    const auto nValueSwitches = std::ranges::count_if(
        arrSeen, [](const CString& strName) { return strName.starts_with('v'); });
    return nValueSwitches <= 1 ? EParseResult::kCommand : EParseResult::kInvalidSyntax;
}

}  // namespace

EParseResult ParseCommandLine(const CStringArray& arrArgs, CRegCommand& command) {
    if (arrArgs.empty()) return EParseResult::kInvalidSyntax;
    if (IsHelp(arrArgs[0])) return EParseResult::kHelp;
    const auto pSyntax = std::ranges::find_if(kOperations, [&](const COperationSyntax& syntax) {
        return EqualsNoCase(arrArgs[0], syntax.pszName);
    });
    if (pSyntax == std::end(kOperations)) return EParseResult::kInvalidSyntax;
    command.operation = pSyntax->operation;
    if (arrArgs.size() > 1 && IsHelp(arrArgs[1])) {
        return arrArgs.size() == 2 ? EParseResult::kHelp : EParseResult::kInvalidSyntax;
    }
    switch (pSyntax->arguments) {
        case EArguments::kNone:
            return arrArgs.size() == 1 ? EParseResult::kCommand : EParseResult::kInvalidSyntax;
        case EArguments::kKeyAndSwitches:
            if (arrArgs.size() < 2) return EParseResult::kInvalidSyntax;
            command.strKey = arrArgs[1];
            return ParseSwitches(arrArgs, command);
        case EArguments::kKeyAndName:
            break;
    }
    if (arrArgs.size() == 3 && IsHelp(arrArgs[2])) return EParseResult::kHelp;
    if (arrArgs.size() != 3) return EParseResult::kInvalidSyntax;
    command.strKey = arrArgs[1];
    command.strValueName = arrArgs[2];
    return EParseResult::kCommand;
}
