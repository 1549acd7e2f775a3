// The settings store's text functions over the cases of cases/texts.cases. A case is one line:
// the function, its input in double quotes (\xHH stands for a byte), then what it gives.
#include <gtest/gtest.h>

#include <charconv>
#include <fstream>

#include "app/dotted_ip.h"
#include "app/registry_value_path.h"
#include "app/text_utils.h"

namespace {

CString Unescaped(const CString& strText) {
    CString strOut;
    for (size_t i = 0; i < strText.size(); ++i) {
        unsigned char byte = 0;
        const char* pHex = strText.data() + i + 2;
        if (strText.compare(i, 2, "\\x") == 0 && i + 4 <= strText.size() &&
            std::from_chars(pHex, pHex + 2, byte, 16).ptr == pHex + 2) {
            strOut += static_cast<char>(byte);
            i += 3;
        } else {
            strOut += strText[i];
        }
    }
    return strOut;
}

CString RootName(HKEY hRoot) {
    const std::pair<HKEY, const char*> roots[] = {{HKEY_LOCAL_MACHINE, "HKLM"},
                                                  {HKEY_CURRENT_USER, "HKCU"},
                                                  {HKEY_CLASSES_ROOT, "HKCR"},
                                                  {HKEY_USERS, "HKU"},
                                                  {HKEY_CURRENT_CONFIG, "HKCC"}};
    for (const auto& [hKey, pszName] : roots) {
        if (hKey == hRoot) return pszName;
    }
    return "none";
}

// What the function makes of the input, as the case files write it.
CString Apply(const CString& strFunction, const CString& strInput) {
    if (strFunction == "dotted-ip") {
        BYTE n[4] = {9, 8, 7, 6};
        if (ParseDottedIp(n[0], n[1], n[2], n[3], strInput.c_str())) {
            return FormatDottedIp(n[0], n[1], n[2], n[3]);
        }
        return FormatDottedIp(n[0], n[1], n[2], n[3]) == "9.8.7.6" ? "rejected" : "changed";
    }
    if (strFunction == "split") {
        CStringArray arrPieces = {"left over"};
        CString strOut = std::to_string(SplitString(arrPieces, strInput, '\\')) + ":";
        for (const CString& strPiece : arrPieces) strOut += " [" + strPiece + "]";
        return strOut;
    }
    if (strFunction == "blank") return IsBlank(strInput) ? "yes" : "no";
    const CRegistryValuePath path(strInput, strFunction == "key-path");
    return RootName(path.GetRootKey()) + " [" + path.GetSubKey() + "] [" + path.GetValueName() +
           "]";
}

TEST(TextCases, EveryCaseGivesItsResult) {
    std::ifstream file(TEXT_CASES);
    ASSERT_TRUE(file) << TEXT_CASES;
    int nCases = 0;
    std::string line;
    for (int nLine = 1; std::getline(file, line); ++nLine) {
        if (line.empty() || line.starts_with("#")) continue;
        const size_t nOpen = line.find(" \""), nClose = line.find("\" ", nOpen + 2);
        ASSERT_NE(nClose, std::string::npos) << TEXT_CASES ":" << nLine << " is no case";
        const CString strInput = Unescaped(line.substr(nOpen + 2, nClose - nOpen - 2));
        EXPECT_EQ(Apply(line.substr(0, nOpen), strInput), line.substr(nClose + 2))
            << TEXT_CASES ":" << nLine;
        ++nCases;
    }
    EXPECT_GT(nCases, 0);
}

}  // namespace
