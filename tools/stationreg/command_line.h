#pragma once
#include <optional>

#include "platform/registry.h"
#include "platform/types.h"

enum class EOperation { kQuery, kAdd, kDelete, kGet, kInit };

struct CRegCommand {
    EOperation operation = EOperation::kQuery;
    CString strKey;
    // /v NAME, /ve (the empty name: the key's default value), or the NAME of get. None:
    // every value (query), the default value (add), the key itself (delete).
    std::optional<CString> strValueName;
    bool bAllValues = false;       // /va of delete
    DWORD dwType = REG_SZ;         // /t
    CString strSeparator = "\\0";  // /s of add: what separates the strings of REG_MULTI_SZ
    CString strData;               // /d, empty when absent
    bool bRecursive = false;       // /s of query
    bool bForce = false;           // /f
};

enum class EParseResult { kCommand, kHelp, kInvalidSyntax };

// Words are matched in any case; switches start with / or -. Help (/?, /h, --help) stands
// first, or right after the verb and alone.
EParseResult ParseCommandLine(const CStringArray& arrArgs, CRegCommand& command);
