#include "tools/stationreg/operations.h"

#include <optional>
#include <ostream>

#include "platform/format.h"
#include "tools/stationreg/confirm.h"
#include "tools/stationreg/key_name.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/open_key.h"
#include "tools/stationreg/value_data.h"

namespace {

int Fail(std::ostream& err, const CString& strMessage) {
    err << strMessage << "\n";
    return 1;
}

// The outcome of a change.
int Report(LONG lResult, std::ostream& out, std::ostream& err) {
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    out << kSuccessMessage << "\n";
    return 0;
}

// Empty to go ahead; otherwise the exit status of a change the user did not confirm.
std::optional<int> Refusal(const CString& strQuestion, const CString& strAction,
                           std::ostream& err) {
    switch (Confirm(strQuestion)) {
        case EConfirm::Yes:
            return std::nullopt;
        case EConfirm::No:
            return Fail(err, kCanceledMessage);
        case EConfirm::NoTerminal:
            break;
    }
    return Fail(err, FormatText("ERROR: There is no terminal to confirm on; add /f to %s.",
                                strAction.c_str()));
}

int RunQuery(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
             std::ostream& err) {
    CKeyHandle hKey;
    std::vector<CRegistryValue> values;
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_READ, hKey);
    if (lResult == ERROR_SUCCESS && command.strValueName) {
        values.emplace_back();
        lResult = ReadValue(hKey.get(), *command.strValueName, values.back());
    } else if (lResult == ERROR_SUCCESS) {
        lResult = ReadAllValues(hKey.get(), values);
    }
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));

    out << "\n" << key.strDisplay << "\n";
    for (const CRegistryValue& value : values) {
        out << "    " << (value.strName.empty() ? "(Default)" : value.strName) << "    "
            << ValueTypeName(value.dwType) << "    " << FormatData(value, EDwordStyle::Hex) << "\n";
    }
    out << "\n";
    return 0;
}

int RunGet(const CRegKeyName& key, const CString& strName, std::ostream& out, std::ostream& err) {
    CKeyHandle hKey;
    CRegistryValue value;
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_READ, hKey);
    if (lResult == ERROR_SUCCESS) lResult = ReadValue(hKey.get(), strName, value);
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    out << FormatData(value, EDwordStyle::Decimal) << "\n";
    return 0;
}

int RunAdd(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
           std::ostream& err) {
    const CString& strName = *command.strValueName;
    // The key would be created before the value is refused.
    if (strName.size() > kMaxValueNameChars) {
        return Fail(err, ErrorMessage(ERROR_INVALID_PARAMETER));
    }
    CByteArray data;
    if (!EncodeData(command.dwType, command.strData, data)) {
        return Fail(err, FormatText("ERROR: Invalid REG_DWORD data \"%s\": give a number from 0 "
                                    "to 4294967295, in decimal or with 0x in hex.",
                                    command.strData.c_str()));
    }
    if (!command.bForce) {
        CKeyHandle hExisting;
        CRegistryValue existing;
        const bool bExists =
            OpenKey(key.hRoot, key.strSubKey, KEY_READ, hExisting) == ERROR_SUCCESS &&
            ReadValue(hExisting.get(), strName, existing) == ERROR_SUCCESS;
        const auto nRefused =
            bExists ? Refusal(FormatText("Value %s exists, overwrite", strName.c_str()),
                              "overwrite it", err)
                    : std::nullopt;
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

// A value with /v, else the key with everything below it.
int RunDelete(const CRegKeyName& key, const CRegCommand& command, std::ostream& out,
              std::ostream& err) {
    const std::optional<CString>& strName = command.strValueName;
    CKeyHandle hKey;
    CRegistryValue existing;
    // Opening for writing settles whether the user may delete before anything is asked.
    LONG lResult = OpenKey(key.hRoot, key.strSubKey, KEY_QUERY_VALUE | KEY_SET_VALUE, hKey);
    if (lResult == ERROR_SUCCESS && strName) lResult = ReadValue(hKey.get(), *strName, existing);
    if (lResult != ERROR_SUCCESS) return Fail(err, ErrorMessage(lResult));
    if (!command.bForce) {
        const CString strQuestion =
            strName ? FormatText("Permanently delete the registry value %s", strName->c_str())
                    : FormatText("Permanently delete the registry key %s", key.strDisplay.c_str());
        const auto nRefused = Refusal(strQuestion, "delete it", err);
        if (nRefused) return *nRefused;
    }
    lResult = strName ? RegDeleteValueA(hKey.get(), strName->c_str())
                      : RegDeleteTreeA(key.hRoot, key.strSubKey.c_str());
    return Report(lResult, out, err);
}

int RunInit(std::ostream& out, std::ostream& err) {
    const LONG lResult = CreateRegistryDatabase();
    return Report(lResult, out, err);
}

}  // namespace

int RunCommand(const CRegCommand& command, std::ostream& out, std::ostream& err) {
    if (command.operation == EOperation::Init) return RunInit(out, err);
    const std::optional<CRegKeyName> key = ParseKeyName(command.strKey);
    if (!key) {
        PrintSyntaxError(err, "Invalid key name.");
        return 1;
    }
    switch (command.operation) {
        case EOperation::Query:
            return RunQuery(*key, command, out, err);
        case EOperation::Add:
            return RunAdd(*key, command, out, err);
        case EOperation::Delete:
            return RunDelete(*key, command, out, err);
        case EOperation::Get:
        case EOperation::Init:
            break;
    }
    return RunGet(*key, *command.strValueName, out, err);
}
