#include "tools/stationreg/value_data.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/format.h"
#include "platform/no_case.h"
#include "platform/registry.h"
#include "platform/unsigned_number.h"

namespace {

using Encoder = bool (*)(const CString& strText, const CString& strSeparator, CByteArray& data);
using Formatter = CString (*)(const CByteArray& data, ENumberStyle style);

bool EncodeString(const CString& strText, const CString&, CByteArray& data) {
    data.assign(strText.begin(), strText.end());
    data.push_back(0);
    return true;
}

template <typename Number>
bool EncodeNumber(const CString& strText, const CString&, CByteArray& data) {
    unsigned long long nParsed = 0;
    if (!ParseUnsignedNumber(strText, true, std::numeric_limits<Number>::max(), nParsed)) {
        return false;
    }
    const auto nValue = static_cast<Number>(nParsed);
    const auto* pBytes = reinterpret_cast<const BYTE*>(&nValue);
    data.assign(pBytes, pBytes + sizeof nValue);
    return true;
}

bool EncodeBinary(const CString& strText, const CString&, CByteArray& data) {
    CByteArray bytes;
    for (size_t nStart = 0, nDigits = 2 - strText.size() % 2; nStart < strText.size();
         nStart += nDigits, nDigits = 2) {
        const char* pFirst = strText.data() + nStart;
        BYTE byte = 0;
        const auto [pEnd, error] = std::from_chars(pFirst, pFirst + nDigits, byte, 16);
        if (error != std::errc() || pEnd != pFirst + nDigits) return false;
        bytes.push_back(byte);
    }
    data = std::move(bytes);
    return true;
}

bool EncodeMultiString(const CString& strText, const CString& strSeparator, CByteArray& data) {
    CString strList = strText;
    if (strList.ends_with(strSeparator)) strList.resize(strList.size() - strSeparator.size());
    CString strStrings;  // each with its terminating zero
    for (size_t nPos = 0; nPos < strList.size();) {
        const bool bSeparator = strList.compare(nPos, strSeparator.size(), strSeparator) == 0;
        strStrings += bSeparator ? '\0' : strList[nPos];
        nPos += bSeparator ? strSeparator.size() : 1;
    }
    if (!strList.empty()) strStrings += '\0';
    if (strStrings.starts_with('\0') || strStrings.find(CString(2, '\0')) != CString::npos) {
        return false;
    }
    data.assign(strStrings.begin(), strStrings.end());
    data.push_back(0);
    return true;
}

CString FormatString(const CByteArray& data, ENumberStyle) {
    const CString strData(data.begin(), data.end());
    return strData.substr(0, strData.find('\0'));
}

template <typename Number>
CString FormatNumber(const CByteArray& data, ENumberStyle style) {
    Number nValue = 0;
    std::copy_n(data.begin(), std::min(data.size(), sizeof nValue),
                reinterpret_cast<BYTE*>(&nValue));
    return FormatText(style == ENumberStyle::kHex ? "0x%llx" : "%llu",
                      static_cast<unsigned long long>(nValue));
}

CString FormatHex(const CByteArray& data, ENumberStyle) {
    CString strHex;
    for (const BYTE byte : data) strHex += FormatText("%02X", byte);
    return strHex;
}

CString FormatMultiString(const CByteArray& data, ENumberStyle) {
    CString strList(data.begin(), data.end());
    strList.erase(strList.find_last_not_of('\0') + 1);
    CString strShown;
    for (const char c : strList) strShown += c == '\0' ? CString("\\0") : CString(1, c);
    return strShown;
}

struct CValueType {
    DWORD dwType;
    const char* pszName;
    Encoder encode;
    Formatter format;
    const char* pszRule;  // what the data must be, for a text that is not
};

// The last entry also shows a value of a type that has no name here.
constexpr CValueType kValueTypes[] = {
    {REG_SZ, "REG_SZ", EncodeString, FormatString, ""},
    {REG_MULTI_SZ, "REG_MULTI_SZ", EncodeMultiString, FormatMultiString,
     "the strings between separators must not be empty"},
    {REG_EXPAND_SZ, "REG_EXPAND_SZ", EncodeString, FormatString, ""},
    {REG_DWORD, "REG_DWORD", EncodeNumber<DWORD>, FormatNumber<DWORD>,
     "give a number from 0 to 4294967295, in decimal or with 0x in hex"},
    {REG_QWORD, "REG_QWORD", EncodeNumber<ULONGLONG>, FormatNumber<ULONGLONG>,
     "give a number from 0 to 18446744073709551615, in decimal or with 0x in hex"},
    {REG_BINARY, "REG_BINARY", EncodeBinary, FormatHex,
     "give hexadecimal digits only, two for each byte"},
    {REG_NONE, "REG_NONE", EncodeString, FormatHex, ""},
};

const CValueType& FindValueType(DWORD dwType) {
    const auto pType = std::ranges::find(kValueTypes, dwType, &CValueType::dwType);
    return pType != std::end(kValueTypes) ? *pType : std::end(kValueTypes)[-1];
}

}  // namespace

bool ValueTypeFromName(const CString& strName, DWORD& dwType) {
    for (const CValueType& type : kValueTypes) {
        if (EqualsNoCase(strName, type.pszName)) {
            dwType = type.dwType;
            return true;
        }
    }
    return false;
}

const char* ValueTypeName(DWORD dwType) {
    return FindValueType(dwType).pszName;
}

CString ValueDisplayName(const CString& strName) {
    return strName.empty() ? CString("(Default)") : strName;
}

bool EncodeData(DWORD dwType, const CString& strText, const CString& strSeparator,
                CByteArray& data) {
    return FindValueType(dwType).encode(strText, strSeparator, data);
}

const char* DataRule(DWORD dwType) {
    return FindValueType(dwType).pszRule;
}

CString FormatData(const CRegistryValue& value, ENumberStyle style) {
    return FindValueType(value.dwType).format(value.data, style);
}
