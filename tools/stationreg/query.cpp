// query and get: what is in the registry, for people in reg's layout and for scripts bare.
#include <ostream>
#include <sstream>

#include "tools/stationreg/messages.h"
#include "tools/stationreg/open_key.h"
#include "tools/stationreg/outcome.h"
#include "tools/stationreg/value_data.h"
#include "tools/stationreg/verbs.h"

namespace {

void PrintValueLine(std::ostream& out, const CString& strName, const char* pszType,
                    const CString& strData) {
    out << "    " << ValueDisplayName(strName) << "    " << pszType << "    " << strData << "\n";
}

void PrintValue(std::ostream& out, const CRegistryValue& value) {
    PrintValueLine(out, value.strName, ValueTypeName(value.dwType),
                   FormatData(value, ENumberStyle::kHex));
}

struct CKeyContents {
    std::vector<CRegistryValue> values;
    CStringArray subKeys;
};

// The subkeys' names and every value, or only the value strValueName where there is one.
LONG ReadKey(const CRegKeyName& key, const std::optional<CString>& strValueName,
             CKeyContents& contents) {
    CKeyHandle hKey;
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_READ, hKey);
    if (lResult == ERROR_SUCCESS) lResult = ReadSubKeyNames(hKey.get(), contents.subKeys);
    if (lResult != ERROR_SUCCESS) return lResult;
    if (!strValueName) return ReadAllValues(hKey.get(), contents.values);
    CRegistryValue value;
    lResult = ReadValue(hKey.get(), *strValueName, value);
    if (lResult == ERROR_SUCCESS) contents.values.push_back(value);
    return lResult == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : lResult;
}

// As reg lists a key: its name and values, then a blank line (for the key queried only when
// it has values; in a search only where the value is), then the subkeys: their names, or
// with /s each listed the same way in turn. One key is open at a time, however deep.
LONG ListKey(const CRegKeyName& key, const CRegCommand& command, bool bBelow, std::ostream& out,
             DWORD& dwMatches) {
    CKeyContents contents;
    LONG lResult = ReadKey(key, command.strValueName, contents);
    if (lResult != ERROR_SUCCESS) return lResult;
    dwMatches += static_cast<DWORD>(contents.values.size());
    if (!contents.values.empty() || (bBelow && !command.strValueName)) {
        out << key.strDisplay << "\n";
        for (const CRegistryValue& value : contents.values) PrintValue(out, value);
        out << "\n";
    }
    for (const CString& strName : contents.subKeys) {
        const CRegKeyName child = ChildKeyName(key, strName);
        if (!command.bRecursive) {
            out << child.strDisplay << "\n";
            continue;
        }
        lResult = ListKey(child, command, true, out, dwMatches);
        // A subkey deleted since it was listed is no longer there to show.
        if (lResult != ERROR_SUCCESS && lResult != ERROR_FILE_NOT_FOUND) return lResult;
    }
    return ERROR_SUCCESS;
}

// /v or /ve without /s. A default value that was never set is shown so, as reg does.
int QueryValue(const CRegKeyName& key, const CString& strName, std::ostream& out,
               std::ostream& err) {
    CKeyHandle hKey;
    CRegistryValue value;
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_READ, hKey);
    if (lResult == ERROR_SUCCESS) lResult = ReadValue(hKey.get(), strName, value);
    const bool bUnsetDefault = hKey && lResult == ERROR_FILE_NOT_FOUND && strName.empty();
    if (lResult != ERROR_SUCCESS && !bUnsetDefault) return Fail(err, ErrorMessage(lResult));
    out << "\n" << key.strDisplay << "\n";
    if (bUnsetDefault) {
        PrintValueLine(out, strName, "REG_SZ", "(value not set)");
    } else {
        PrintValue(out, value);
    }
    out << "\n";
    return 0;
}

}  // namespace

int RunQuery(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
             std::ostream& err) {
    if (command.strValueName && !command.bRecursive) {
        return QueryValue(key, *command.strValueName, out, err);
    }
    // Held back until the whole tree is read, so that a failure prints nothing but itself.
    std::ostringstream listing;
    listing << "\n";
    DWORD dwMatches = 0;
    const LONG lResult = ListKey(key, command, false, listing, dwMatches);
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    if (command.strValueName) listing << "End of search: " << dwMatches << " match(es) found.\n";
    out << listing.str();
    return 0;
}

int RunGet(const CRegKeyName& key, const CString& strName, std::ostream& out, std::ostream& err) {
    CKeyHandle hKey;
    CRegistryValue value;
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_READ, hKey);
    if (lResult == ERROR_SUCCESS) lResult = ReadValue(hKey.get(), strName, value);
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    out << FormatData(value, ENumberStyle::kDecimal) << "\n";
    return 0;
}
