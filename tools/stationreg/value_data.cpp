#include "tools/stationreg/value_data.h"

#include <charconv>
#include <cstring>

#include "platform/format.h"
#include "platform/no_case.h"
#include "platform/registry.h"

namespace {

struct CValueType {
    DWORD dwType;
    const char* pszName;
};

constexpr CValueType kValueTypes[] = {
    {REG_SZ, "REG_SZ"},
    {REG_EXPAND_SZ, "REG_EXPAND_SZ"},
    {REG_DWORD, "REG_DWORD"},
};

}  // namespace

DWORD ValueTypeFromName(const CString& strName) {
    for (const CValueType& type : kValueTypes) {
        if (EqualsNoCase(strName, type.pszName)) return type.dwType;
    }
    return 0;
}

const char* ValueTypeName(DWORD dwType) {
    for (const CValueType& type : kValueTypes) {
        if (type.dwType == dwType) return type.pszName;
    }
    return "REG_NONE";
}

bool ParseDwordData(const CString& strText, DWORD& dwValue) {
    const bool bHex =
        strText.size() > 2 && strText[0] == '0' && (strText[1] == 'x' || strText[1] == 'X');
    const char* pFirst = strText.data() + (bHex ? 2 : 0);
    const char* pLast = strText.data() + strText.size();
    // from_chars into an unsigned 32-bit type refuses signs and reports overflow itself.
    const auto [pEnd, error] = std::from_chars(pFirst, pLast, dwValue, bHex ? 16 : 10);
    return pFirst != pLast && error == std::errc() && pEnd == pLast;
}

bool EncodeData(DWORD dwType, const CString& strText, CByteArray& data) {
    if (dwType != REG_DWORD) {
        data.assign(strText.begin(), strText.end());
        data.push_back(0);
        return true;
    }
    DWORD dwValue = 0;
    if (!ParseDwordData(strText, dwValue)) return false;
    data.resize(sizeof(dwValue));
    std::memcpy(data.data(), &dwValue, sizeof(dwValue));
    return true;
}

CString FormatData(const CRegistryValue& value, EDwordStyle style) {
    if (value.dwType == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD dwValue = 0;
        std::memcpy(&dwValue, value.data.data(), sizeof(dwValue));
        return FormatText(style == EDwordStyle::Hex ? "0x%x" : "%u", dwValue);
    }
    const CString strData(value.data.begin(), value.data.end());
    return strData.substr(0, strData.find('\0'));
}
