#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>

#include "tests/registry/temp_registry.h"

namespace {

constexpr const char* kStationKey = "SOFTWARE\\Quenvale\\Tarrow";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { m_registry.emplace(); }

    static HKEY Create(const char* pszSubKey, DWORD* pdwDisposition = nullptr) {
        HKEY hKey = nullptr;
        EXPECT_EQ(
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &hKey, pdwDisposition),
            ERROR_SUCCESS);
        return hKey;
    }
    static LONG Open(const char* pszSubKey, REGSAM sam, HKEY& hKey) {
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, sam, &hKey);
    }
    static LONG SetText(HKEY hKey, const char* pszName, const char* pszText,
                        DWORD dwType = REG_SZ) {
        return RegSetValueExA(hKey, pszName, 0, dwType, reinterpret_cast<const BYTE*>(pszText),
                              static_cast<DWORD>(std::strlen(pszText) + 1));
    }
    static LONG SetDword(HKEY hKey, const char* pszName, DWORD dwValue) {
        return RegSetValueExA(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                              sizeof(dwValue));
    }

    std::optional<CTempRegistry> m_registry;
};

TEST_F(RegistryTest, ReaderNeverCreatesTheFile) {
    HKEY hKey = nullptr;
    EXPECT_EQ(Open(kStationKey, KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(kStationKey, KEY_WRITE, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(hKey, nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath()));
}

TEST_F(RegistryTest, WriterCreatesFileFolderAndParentKeys) {
    const std::string strPath = m_registry->Folder() + "/var/lib/station/registry.db";
    setenv("STATION_REGISTRY", strPath.c_str(), 1);
    DWORD dwDisposition = 0;
    RegCloseKey(Create(kStationKey, &dwDisposition));
    EXPECT_EQ(dwDisposition, REG_CREATED_NEW_KEY);
    RegCloseKey(Create(kStationKey, &dwDisposition));
    EXPECT_EQ(dwDisposition, REG_OPENED_EXISTING_KEY);

    EXPECT_TRUE(std::filesystem::exists(strPath));
    for (const char* pszParent : {"", "SOFTWARE", "SOFTWARE\\Quenvale"}) {
        HKEY hKey = nullptr;
        EXPECT_EQ(Open(pszParent, KEY_READ, hKey), ERROR_SUCCESS) << pszParent;
        RegCloseKey(hKey);
    }
}

TEST_F(RegistryTest, KeysAndNamesMatchInAnyCaseAndKeepTheirFirstSpelling) {
    HKEY hKey = Create(kStationKey);
    ASSERT_EQ(SetText(hKey, "PrinterName", "first"), ERROR_SUCCESS);
    RegCloseKey(hKey);

    DWORD dwDisposition = 0;
    hKey = Create("software\\QUENVALE\\tarrow", &dwDisposition);
    EXPECT_EQ(dwDisposition, REG_OPENED_EXISTING_KEY);
    ASSERT_EQ(SetText(hKey, "PRINTERNAME", "second"), ERROR_SUCCESS);

    char szName[32] = {};
    DWORD cchName = sizeof(szName);
    char szData[32] = {};
    DWORD cbData = sizeof(szData);
    EXPECT_EQ(RegEnumValueA(hKey, 0, szName, &cchName, nullptr, nullptr,
                            reinterpret_cast<BYTE*>(szData), &cbData),
              ERROR_SUCCESS);
    EXPECT_STREQ(szName, "PrinterName");
    EXPECT_STREQ(szData, "second");
    cchName = sizeof(szName);
    EXPECT_EQ(RegEnumValueA(hKey, 1, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, DwordKeepsAllThirtyTwoBits) {
    HKEY hKey = Create(kStationKey);
    for (const DWORD dwValue : {0u, 1u, 0x640u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        ASSERT_EQ(SetDword(hKey, "Port", dwValue), ERROR_SUCCESS);
        DWORD dwType = 0;
        DWORD dwRead = 0;
        DWORD cbData = sizeof(dwRead);
        EXPECT_EQ(RegQueryValueExA(hKey, "Port", nullptr, &dwType, reinterpret_cast<BYTE*>(&dwRead),
                                   &cbData),
                  ERROR_SUCCESS);
        EXPECT_EQ(dwType, REG_DWORD);
        EXPECT_EQ(cbData, 4u);
        EXPECT_EQ(dwRead, dwValue);
    }
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, QueryReportsSizeAndTypeAndRefusesShortBuffers) {
    HKEY hKey = Create(kStationKey);
    ASSERT_EQ(SetText(hKey, "InstallPath", "%ProgramFiles%", REG_EXPAND_SZ), ERROR_SUCCESS);

    DWORD dwType = 0;
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, &dwType, nullptr, &cbData),
              ERROR_SUCCESS);
    EXPECT_EQ(dwType, REG_EXPAND_SZ);
    EXPECT_EQ(cbData, 15u);

    BYTE buffer[15];
    std::memset(buffer, 'x', sizeof(buffer));
    cbData = 14;
    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, nullptr, buffer, &cbData),
              ERROR_MORE_DATA);
    EXPECT_EQ(cbData, 15u);
    EXPECT_EQ(buffer[0], 'x');

    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, nullptr, buffer, &cbData),
              ERROR_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<const char*>(buffer), "%ProgramFiles%");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, MissingKeyOrValueIsNotFound) {
    HKEY hKey = Create(kStationKey);
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Nothing", nullptr, nullptr, nullptr, &cbData),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(hKey, "Nothing"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(hKey);
    HKEY hMissing = nullptr;
    EXPECT_EQ(Open("SOFTWARE\\Quenvale\\Other", KEY_READ, hMissing), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, RefusesValuesItCannotStore) {
    const DWORD dwValue = 7;
    const BYTE* pData = reinterpret_cast<const BYTE*>(&dwValue);
    struct Case {
        const char* pszWhat;
        DWORD dwType;
        const BYTE* pData;
        DWORD cbData;
    } const cases[] = {
        {"binary type", 3, pData, 4},
        {"short DWORD", REG_DWORD, pData, 3},
        {"long DWORD", REG_DWORD, pData, 5},
        {"size without data", REG_SZ, nullptr, 4},
        {"oversized text", REG_SZ, pData, 0x7FFFFFFF},
    };
    HKEY hKey = Create(kStationKey);
    for (const Case& c : cases) {
        EXPECT_EQ(RegSetValueExA(hKey, "Bad", 0, c.dwType, c.pData, c.cbData),
                  ERROR_INVALID_PARAMETER)
            << c.pszWhat;
    }
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Bad", nullptr, nullptr, nullptr, &cbData),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, HandleAllowsOnlyWhatItWasOpenedFor) {
    HKEY hWriter = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE, nullptr, &hWriter, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(SetDword(hWriter, "Port", 1), ERROR_SUCCESS);
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hWriter, "Port", nullptr, nullptr, nullptr, &cbData),
              ERROR_ACCESS_DENIED);
    RegCloseKey(hWriter);

    HKEY hReader = nullptr;
    ASSERT_EQ(Open(kStationKey, KEY_READ, hReader), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(hReader, "Port", 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(hReader, "Port"), ERROR_ACCESS_DENIED);
    RegCloseKey(hReader);
}

TEST_F(RegistryTest, RefusesClosedRootAndMadeUpHandles) {
    HKEY hKey = Create(kStationKey);
    ASSERT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Port", nullptr, nullptr, nullptr, &cbData),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetDword(HKEY_LOCAL_MACHINE, "Port", 1), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);

    HKEY hResult = nullptr;
    EXPECT_EQ(RegOpenKeyExA(nullptr, kStationKey, 0, KEY_READ, &hResult), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExA(hKey, "Sub", 0, KEY_READ, &hResult), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, RefusesSubKeysWithEmptyNames) {
    for (const char* pszSubKey : {"\\SOFTWARE", "SOFTWARE\\", "SOFTWARE\\\\Quenvale"}) {
        HKEY hKey = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &hKey, nullptr),
                  ERROR_INVALID_PARAMETER)
            << pszSubKey;
    }
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath()));
}

TEST_F(RegistryTest, OpensSubKeysOfAnOpenKey) {
    HKEY hStation = Create(kStationKey);
    ASSERT_EQ(SetDword(hStation, "Port", 1600), ERROR_SUCCESS);
    RegCloseKey(hStation);

    HKEY hSoftware = nullptr;
    ASSERT_EQ(Open("SOFTWARE", KEY_READ, hSoftware), ERROR_SUCCESS);
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(hSoftware, "Quenvale\\Tarrow", 0, KEY_READ, &hKey), ERROR_SUCCESS);
    DWORD dwValue = 0;
    DWORD cbData = sizeof(dwValue);
    EXPECT_EQ(RegQueryValueExA(hKey, "Port", nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue),
                               &cbData),
              ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 1600u);
    RegCloseKey(hKey);
    RegCloseKey(hSoftware);
}

TEST_F(RegistryTest, EnumerationKeepsCreationOrderAndReportsNameSize) {
    HKEY hKey = Create(kStationKey);
    for (const char* pszName : {"Zeta", "Alpha", "ObjectCommunicatorPort"}) {
        ASSERT_EQ(SetDword(hKey, pszName, 1), ERROR_SUCCESS);
    }
    ASSERT_EQ(SetDword(hKey, "zeta", 2), ERROR_SUCCESS);  // an update keeps its place
    ASSERT_EQ(RegDeleteValueA(hKey, "ALPHA"), ERROR_SUCCESS);

    char szName[8] = {};
    DWORD cchName = sizeof(szName);
    ASSERT_EQ(RegEnumValueA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(szName, "Zeta");
    EXPECT_EQ(cchName, 4u);
    cchName = sizeof(szName);
    EXPECT_EQ(RegEnumValueA(hKey, 1, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(cchName, sizeof("ObjectCommunicatorPort"));
    cchName = sizeof(szName);
    EXPECT_EQ(RegEnumValueA(hKey, 2, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, CountsOnlyOpensThatSucceed) {
    const CRegistryHandleCounts before = GetRegistryHandleCounts();
    HKEY hKey = nullptr;
    EXPECT_EQ(Open(kStationKey, KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
    RegCloseKey(Create(kStationKey));
    ASSERT_EQ(Open(kStationKey, KEY_READ, hKey), ERROR_SUCCESS);
    const CRegistryHandleCounts open = GetRegistryHandleCounts();
    RegCloseKey(hKey);
    const CRegistryHandleCounts after = GetRegistryHandleCounts();
    EXPECT_EQ(open.dwOpened - before.dwOpened, 2u);
    EXPECT_EQ(open.dwClosed - before.dwClosed, 1u);
    EXPECT_EQ(after.dwClosed - before.dwClosed, 2u);
}

TEST(RegistryRootTest, FindsRootsByFullNameInAnyCaseAndShortNameOnRequest) {
    struct Case {
        const char* pszName;
        bool bShort;
        HKEY hExpected;
    } const cases[] = {
        {"HKEY_LOCAL_MACHINE", false, HKEY_LOCAL_MACHINE},
        {"hkey_current_user", false, HKEY_CURRENT_USER},
        {"Hkey_Classes_Root", false, HKEY_CLASSES_ROOT},
        {"HKEY_USERS", false, HKEY_USERS},
        {"HKEY_CURRENT_CONFIG", false, HKEY_CURRENT_CONFIG},
        {"HKLM", false, nullptr},
        {"hklm", true, HKEY_LOCAL_MACHINE},
        {"HKCC", true, HKEY_CURRENT_CONFIG},
        {"HKEY_LOCAL_MACHINEX", true, nullptr},
        {"", true, nullptr},
    };
    for (const Case& c : cases) {
        const CRegistryRoot* pRoot = FindRegistryRoot(c.pszName, c.bShort);
        EXPECT_EQ(pRoot ? pRoot->hKey : nullptr, c.hExpected) << c.pszName;
    }
}

}  // namespace
