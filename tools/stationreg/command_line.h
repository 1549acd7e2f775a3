#pragma once
#include <optional>

#include "platform/types.h"

enum class EOperation { Query, Add, Delete, Get, Init };

struct CRegCommand {
    EOperation operation = EOperation::Query;
    CString strKey;
    std::optional<CString> strValueName;  // /v NAME, or the NAME of get; none deletes the key
    DWORD dwType = 0;                     // /t, REG_SZ when absent
    CString strData;                      // /d
    bool bForce = false;                  // /f
};

enum class EParseResult { Command, Help, InvalidSyntax };

// Words are matched in any case; flags start with / or -. /? and --help ask for the usage.
EParseResult ParseCommandLine(const CStringArray& arrArgs, CRegCommand& command);
