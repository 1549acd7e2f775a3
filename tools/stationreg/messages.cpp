#include "tools/stationreg/messages.h"

#include <ostream>

#include "platform/format.h"

namespace {

struct CErrorText {
    LONG lError;
    const char* pszText;
};

constexpr CErrorText kErrorTexts[] = {
    {ERROR_FILE_NOT_FOUND,
     "ERROR: The system was unable to find the specified registry key or value."},
    {ERROR_ACCESS_DENIED, "ERROR: Access is denied."},
    {ERROR_INVALID_PARAMETER, "ERROR: The parameter is incorrect."},
    {ERROR_BADDB,
     "ERROR: The registry database is damaged or belongs to another program; it was left "
     "unchanged."},
    {ERROR_BUSY, "ERROR: The registry database stayed locked by another program; try again."},
    {ERROR_DISK_FULL, "ERROR: There is not enough space on the disk."},
};

constexpr const char* kUsageLine =
    "Usage: stationreg query|add|delete|get KEY ... | init (stationreg --help for details)";

}  // namespace

CString ErrorMessage(LONG lError) {
    for (const CErrorText& entry : kErrorTexts) {
        if (entry.lError == lError) return entry.pszText;
    }
    return FormatText("ERROR: The registry operation failed (error %d).", static_cast<int>(lError));
}

void PrintUsage(std::ostream& out) {
    out << "Usage: stationreg query KEY [/v NAME | /ve] [/s]\n"
           "       stationreg add KEY [/v NAME | /ve] [/t TYPE] [/s SEPARATOR] [/d DATA] [/f]\n"
           "       stationreg delete KEY [/v NAME | /ve | /va] [/f]\n"
           "       stationreg get KEY NAME\n"
           "       stationreg init\n"
           "\n"
           "KEY is ROOT\\SUBKEY, ROOT being HKLM, HKCU, HKCR, HKU, HKCC or the full name\n"
           "(HKEY_LOCAL_MACHINE ...); without a backslash, / separates the parts too.\n"
           "Switches may start with / or - and be written in any case.\n"
           "/v NAME is a value, /ve the key's default value, shown as (Default).\n"
           "query lists the key's values and subkeys; /s lists every key below it too, or\n"
           "with /v or /ve searches them for that value. An unset default value shows as\n"
           "(value not set).\n"
           "add without /v or /ve sets the default value, an empty REG_SZ when neither /t nor\n"
           "/d says otherwise, and creates the key. Without /d the data is empty.\n"
           "TYPE is REG_SZ (when absent), REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_QWORD,\n"
           "REG_BINARY or REG_NONE. The DATA of REG_SZ, REG_EXPAND_SZ and REG_NONE is text;\n"
           "of REG_DWORD (up to 4294967295) and REG_QWORD (up to 18446744073709551615) a\n"
           "decimal number or hex after 0x; of REG_BINARY hex digits, two for each byte; of\n"
           "REG_MULTI_SZ strings separated by \\0, or by the one character given with /s.\n"
           "delete without /v, /ve or /va deletes the key with all its values and subkeys;\n"
           "/va deletes all the key's values and keeps its subkeys.\n"
           "A key name part holds up to 255 characters, a key lies up to 512 levels below\n"
           "its root, and a value name holds up to 16383 characters.\n"
           "Without /f, add and delete ask before replacing or deleting, and refuse when\n"
           "there is no terminal to ask on.\n"
           "get prints the bare data (numbers in decimal), for scripts.\n"
           "init creates the registry database (and its folder) with everything a reader\n"
           "needs, as a first write would, and leaves an existing one as it is. In a folder\n"
           "with the set-group-ID bit, the files belong to the folder's group, which may write.\n"
           "Exit status 0 on success, 1 on any error, also when the output cannot be written.\n"
           "\n"
           "Registry database: "
        << RegistryDatabasePath() << " (STATION_REGISTRY overrides it)\n";
}

void PrintSyntaxError(std::ostream& err, const char* pszReason) {
    err << "ERROR: " << pszReason << "\n" << kUsageLine << "\n";
}
