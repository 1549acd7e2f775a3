#include "platform/format.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/open_key.h"
#include "tools/stationreg/outcome.h"
#include "tools/stationreg/value_data.h"
#include "tools/stationreg/verbs.h"

int RunAdd(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
           std::ostream& err) {
    // Without /v or /ve, as in reg, the key's default value: an empty text unless /t and /d
    // say otherwise, so that the key is there either way.
    const CString strName = command.strValueName.value_or("");
    // The key would be created before the value is refused.
    if (strName.size() > kMaxValueNameChars) {
        return Fail(err, ErrorMessage(ERROR_INVALID_PARAMETER));
    }
    CByteArray data;
    if (!EncodeData(command.dwType, command.strData, command.strSeparator, data)) {
        return Fail(err,
                    FormatText("ERROR: Invalid %s data \"%s\": %s.", ValueTypeName(command.dwType),
                               command.strData.c_str(), DataRule(command.dwType)));
    }
    if (!command.bForce) {
        CKeyHandle hExisting;
        CRegistryValue existing;
        const bool bExists =
            OpenKey(key.hRoot, key.strSubKey, KEY_READ, hExisting) == ERROR_SUCCESS &&
            ReadValue(hExisting.get(), strName, existing) == ERROR_SUCCESS;
        const CString strQuestion =
            FormatText("Value %s exists, overwrite", ValueDisplayName(strName).c_str());
        const auto nRefused = bExists ? Refusal(strQuestion, "overwrite it", err) : std::nullopt;
        if (nRefused) return *nRefused;
    }
    CKeyHandle hKey;
    LONG lResult = CreateKey(key.hRoot, key.strSubKey, hKey);
    if (lResult == ERROR_SUCCESS) {
        lResult = RegSetValueExA(hKey.get(), strName.c_str(), 0, command.dwType, data.data(),
                                 static_cast<DWORD>(data.size()));
    }
    return Report(lResult, out, err);
}
