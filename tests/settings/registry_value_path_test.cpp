#include "app/registry_value_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/registry_values.h"
#include "tests/registry/temp_registry.h"

namespace {

TEST(RegistryValuePathTest, SplitsRootSubKeyAndValueName) {
    struct Case {
        const char* pszPath;
        bool bKeyOnly;
        HKEY hRoot;
        const char* pszSubKey;
        const char* pszValueName;
    } const cases[] = {
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\\PrinterName", false, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Quenvale\\Tarrow", "PrinterName"},
        {"hkey_current_user\\A\\B", false, HKEY_CURRENT_USER, "A", "B"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\\", false, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Quenvale\\Tarrow", ""},
        {"HKEY_USERS\\A\\B", true, HKEY_USERS, "A\\B", "B"},
        {"Hkey_Classes_Root\\Name", false, HKEY_CLASSES_ROOT, "", "Name"},
        {"HKEY_CURRENT_CONFIG", false, HKEY_CURRENT_CONFIG, "", "HKEY_CURRENT_CONFIG"},
        {"HKLM\\SOFTWARE\\Name", false, nullptr, "SOFTWARE", "Name"},
        {"", false, nullptr, "", ""},
    };
    for (const Case& c : cases) {
        const CRegistryValuePath path(c.pszPath, c.bKeyOnly);
        EXPECT_EQ(path.GetRootKey(), c.hRoot) << c.pszPath;
        EXPECT_EQ(path.GetSubKey(), c.pszSubKey) << c.pszPath;
        EXPECT_EQ(path.GetValueName(), c.pszValueName) << c.pszPath;
    }
}

using RegistryValuePathAccessTest = CTempRegistryTest;

TEST_F(RegistryValuePathAccessTest, UnknownRootFailsEveryOpen) {
    for (const char* pszRoot : {"HKLM", "HKEY_LOCAL_MACHINE_X", "SOFTWARE", ""}) {
        const CString strPath = CString(pszRoot) + "\\SOFTWARE\\Quenvale\\Tarrow\\PrinterName";
        CRegistryValuePath path(strPath, false);
        EXPECT_FALSE(path.OpenForWriting()) << pszRoot;
        EXPECT_FALSE(path.OpenForReading(KEY_READ)) << pszRoot;
        EXPECT_FALSE(WriteRegistryString(strPath, "Printer", false)) << pszRoot;
        EXPECT_EQ(ReadRegistryString(strPath), "") << pszRoot;
    }
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath()));
}

}  // namespace
