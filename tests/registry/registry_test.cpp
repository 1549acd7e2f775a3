#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "tests/registry/temp_registry.h"

namespace {

constexpr const char* kStationKey = "SOFTWARE\\Quenvale\\Tarrow";

class RegistryTest : public CTempRegistryTest {
protected:
    static LONG Create(HKEY hParent, const char* pszSubKey, HKEY& hKey,
                       DWORD* pdwDisposition = nullptr) {
        return RegCreateKeyExA(hParent, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_READ | KEY_WRITE, nullptr, &hKey, pdwDisposition);
    }
    static HKEY Create(const char* pszSubKey, DWORD* pdwDisposition = nullptr) {
        HKEY hKey = nullptr;
        EXPECT_EQ(Create(HKEY_LOCAL_MACHINE, pszSubKey, hKey, pdwDisposition), ERROR_SUCCESS);
        return hKey;
    }
    static LONG Open(const char* pszSubKey, REGSAM sam, HKEY& hKey) {
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, sam, &hKey);
    }
    static LONG Set(HKEY hKey, const char* pszName, DWORD dwType, const void* pData, DWORD cb) {
        return RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), cb);
    }
    static LONG SetText(HKEY hKey, const char* pszName, const char* pszText) {
        return Set(hKey, pszName, REG_SZ, pszText, static_cast<DWORD>(std::strlen(pszText) + 1));
    }
};

TEST_F(RegistryTest, ReaderNeverCreatesTheFile) {
    HKEY hKey = nullptr;
    EXPECT_EQ(Open(kStationKey, KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(kStationKey, KEY_WRITE, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath()));
}

TEST_F(RegistryTest, WriterCreatesFileFolderAndParentKeys) {
    const std::string strPath = m_registry->Folder() + "/var/lib/station/registry.db";
    setenv("STATION_REGISTRY", strPath.c_str(), 1);
    DWORD dwDisposition = 0;
    RegCloseKey(Create(kStationKey, &dwDisposition));
    EXPECT_EQ(dwDisposition, REG_CREATED_NEW_KEY);
    HKEY hParent = nullptr;
    EXPECT_EQ(Open("SOFTWARE\\Quenvale", KEY_READ, hParent), ERROR_SUCCESS);
    RegCloseKey(hParent);
}

TEST_F(RegistryTest, QueryReportsSizeAndTypeAndRefusesShortBuffers) {
    HKEY hKey = Create(kStationKey);
    ASSERT_EQ(Set(hKey, "InstallPath", REG_EXPAND_SZ, "%ProgramFiles%", 15), ERROR_SUCCESS);

    DWORD dwType = 0;
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, &dwType, nullptr, &cbData),
              ERROR_SUCCESS);
    EXPECT_EQ(dwType, REG_EXPAND_SZ);
    EXPECT_EQ(cbData, 15u);

    BYTE buffer[15] = {'x'};
    cbData = 14;
    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, nullptr, buffer, &cbData),
              ERROR_MORE_DATA);
    EXPECT_EQ(cbData, 15u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(RegQueryValueExA(hKey, "InstallPath", nullptr, nullptr, buffer, &cbData),
              ERROR_SUCCESS);
    EXPECT_STREQ(reinterpret_cast<const char*>(buffer), "%ProgramFiles%");

    EXPECT_EQ(RegQueryValueExA(hKey, "Nothing", nullptr, nullptr, nullptr, &cbData),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(hKey, "Nothing"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, SubKeyNameThatDoesNotFitAsksForTheRoomItNeeds) {
    RegCloseKey(Create("T\\Name"));
    HKEY hKey = nullptr;
    ASSERT_EQ(Open("T", KEY_READ, hKey), ERROR_SUCCESS);
    char szName[5] = {};
    DWORD cchName = 4;
    EXPECT_EQ(RegEnumKeyExA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(cchName, 5u);
    EXPECT_EQ(RegEnumKeyExA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(szName, "Name");
    EXPECT_EQ(cchName, 4u);
    EXPECT_EQ(RegEnumKeyExA(hKey, 1, szName, &cchName, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(hKey);
}

// The keys are listed once per enumeration: one that starts again at index 0 sees keys
// created since the last.
TEST_F(RegistryTest, EnumerationFromIndexZeroSeesKeysCreatedSince) {
    HKEY hKey = Create("T");
    const auto first = [hKey] {
        char szName[8] = {};
        DWORD cchName = sizeof szName;
        RegEnumKeyExA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        return std::string(szName);
    };
    RegCloseKey(Create("T\\B"));
    EXPECT_EQ(first(), "B");
    RegCloseKey(Create("T\\A"));
    EXPECT_EQ(first(), "A");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, RefusesBadArgumentsAndStoresNothing) {
    const DWORD dwValue = 7;
    HKEY hKey = Create(kStationKey);
    EXPECT_EQ(Set(hKey, "Bad", 5, &dwValue, 4), ERROR_INVALID_PARAMETER);  // big-endian DWORD
    EXPECT_EQ(Set(hKey, "Bad", REG_DWORD, &dwValue, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Set(hKey, "Bad", REG_QWORD, &dwValue, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Set(hKey, "Bad", REG_SZ, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Set(hKey, "Bad", REG_SZ, &dwValue, 0x7FFFFFFF), ERROR_INVALID_PARAMETER);
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Bad", nullptr, nullptr, nullptr, &cbData),
              ERROR_FILE_NOT_FOUND);

    HKEY hReader = nullptr;
    ASSERT_EQ(Open(kStationKey, KEY_READ, hReader), ERROR_SUCCESS);
    EXPECT_EQ(Set(hReader, "Port", REG_DWORD, &dwValue, 4), ERROR_ACCESS_DENIED);
    RegCloseKey(hReader);

    ASSERT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Set(hKey, "Port", REG_DWORD, &dwValue, 4), ERROR_INVALID_HANDLE);
    for (const char* pszSubKey : {"\\SOFTWARE", "SOFTWARE\\", "SOFTWARE\\\\Quenvale"}) {
        EXPECT_EQ(Open(pszSubKey, KEY_READ, hReader), ERROR_INVALID_PARAMETER) << pszSubKey;
    }
}

}  // namespace

// The depth counts from the root, not from the key a handle names; the other limits are
// cases of tests/stationreg.
TEST_F(RegistryTest, KeysDeeperThanTheLimitAreRefused) {
    std::string strKey = "Deep";
    for (int i = 1; i < 512; ++i) strKey += "\\a";
    HKEY hKey = nullptr;
    ASSERT_EQ(Create(HKEY_LOCAL_MACHINE, strKey.c_str(), hKey), ERROR_SUCCESS);
    RegCloseKey(hKey);
    EXPECT_EQ(Create(HKEY_LOCAL_MACHINE, (strKey + "\\b").c_str(), hKey), ERROR_INVALID_PARAMETER);
    ASSERT_EQ(Open(strKey.c_str(), KEY_WRITE, hKey), ERROR_SUCCESS);
    HKEY hChild = nullptr;
    EXPECT_EQ(Create(hKey, "b", hChild), ERROR_INVALID_PARAMETER);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, KeysGoWithTheirValuesAndOnlyATreeTakesItsSubKeys) {
    RegCloseKey(Create("A\\BB"));  // shares its start with A\B without lying below it
    // Made last, the leaf has the highest id, which a key made again would get back.
    HKEY hKey = Create("A\\B\\C");
    ASSERT_EQ(SetText(hKey, "V", "leaf"), ERROR_SUCCESS);
    RegCloseKey(hKey);
    HKEY hParent = Create("A\\B");

    EXPECT_EQ(RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "A\\B", 0, 0), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "a\\b\\c", 0, 0), ERROR_SUCCESS);
    hKey = Create("A\\B\\C");
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "V", nullptr, nullptr, nullptr, &cbData),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(hKey);

    EXPECT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "a\\B"), ERROR_SUCCESS);
    EXPECT_EQ(Open("A\\B\\C", KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SetText(hParent, "V", "lost"), ERROR_KEY_DELETED);
    RegCloseKey(hParent);
    EXPECT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "A\\B"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, ""), ERROR_ACCESS_DENIED);

    ASSERT_EQ(Open("A\\BB", KEY_READ, hKey), ERROR_SUCCESS);
    RegCloseKey(hKey);
    // Without a sub-key, a tree loses what lies below the key, and the key stays.
    hParent = Create("A");
    EXPECT_EQ(RegDeleteTreeA(hParent, nullptr), ERROR_SUCCESS);
    RegCloseKey(hParent);
    EXPECT_EQ(Open("A\\BB", KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open("A", KEY_READ, hKey), ERROR_SUCCESS);
    RegCloseKey(hKey);
}
