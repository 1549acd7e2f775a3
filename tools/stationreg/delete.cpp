#include "platform/format.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/open_key.h"
#include "tools/stationreg/outcome.h"
#include "tools/stationreg/value_data.h"
#include "tools/stationreg/verbs.h"

namespace {

LONG DeleteValues(HKEY hKey, const std::vector<CRegistryValue>& values) {
    for (const CRegistryValue& value : values) {
        const LONG lResult = RegDeleteValueA(hKey, value.strName.c_str());
        // One that another program deleted meanwhile is as good as deleted.
        if (lResult != ERROR_SUCCESS && lResult != ERROR_FILE_NOT_FOUND) return lResult;
    }
    return ERROR_SUCCESS;
}

CString Question(const CRegKeyName& key, const CRegCommand& command) {
    if (command.strValueName) {
        return FormatText("Permanently delete the registry value %s",
                          ValueDisplayName(*command.strValueName).c_str());
    }
    return FormatText(command.bAllValues ? "Permanently delete all values under the registry key %s"
                                         : "Permanently delete the registry key %s",
                      key.strDisplay.c_str());
}

}  // namespace

// A value (/v, /ve), every value of the key (/va), else the key with everything below it.
int RunDelete(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
              std::ostream& err) {
    const std::optional<CString>& strName = command.strValueName;
    CKeyHandle hKey;
    CRegistryValue existing;
    std::vector<CRegistryValue> values;
    // Opening for writing settles whether the user may delete before anything is asked.
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_QUERY_VALUE | KEY_SET_VALUE, hKey);
    if (lResult == ERROR_SUCCESS && strName) lResult = ReadValue(hKey.get(), *strName, existing);
    if (lResult == ERROR_SUCCESS && command.bAllValues) lResult = ReadAllValues(hKey.get(), values);
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    if (!command.bForce) {
        const auto nRefused = Refusal(Question(key, command), "delete it", err);
        if (nRefused) return *nRefused;
    }
    if (strName) {
        lResult = RegDeleteValueA(hKey.get(), strName->c_str());
    } else if (command.bAllValues) {
        lResult = DeleteValues(hKey.get(), values);
    } else {
        lResult = RegDeleteTreeA(key.hRoot, key.strSubKey.c_str());
    }
    return Report(lResult, out, err);
}
