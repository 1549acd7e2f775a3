#include "app/station_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <utility>

#include "app/registry_value_path.h"
#include "app/registry_values.h"
#include "platform/registry.h"
#include "tests/registry/temp_registry.h"

namespace {

using NamesAndTypes = std::vector<std::pair<CString, DWORD>>;

class StationSettingsTest : public CTempRegistryTest {
protected:
    static CString PathOf(const char* pszName) { return g_strStationKeyPath + pszName; }

    // What the key holds, in the order the values were first written.
    static NamesAndTypes StoredValues() {
        NamesAndTypes values;
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quenvale\\Tarrow", 0, KEY_READ, &hKey) !=
            ERROR_SUCCESS) {
            return values;
        }
        char szName[64];
        DWORD cchName = sizeof(szName);
        DWORD dwType = 0;
        for (DWORD i = 0; RegEnumValueA(hKey, i, szName, &cchName, nullptr, &dwType, nullptr,
                                        nullptr) == ERROR_SUCCESS;
             ++i, cchName = sizeof(szName)) {
            values.emplace_back(szName, dwType);
        }
        RegCloseKey(hKey);
        return values;
    }

    static CStationSettings Loaded() {
        CStationSettings settings;
        settings.Load();
        return settings;
    }
};

// Every field, in declaration order, so that whole records compare in one line.
auto Fields(const CStationSettings& settings) {
    return std::make_tuple(settings.GetObjectCommunicatorIp(), settings.GetObjectCommunicatorPort(),
                           settings.GetPrinterName(), settings.GetStationName(),
                           settings.GetReaderId(), settings.GetPiccReaderId(),
                           settings.GetExtReaderId(), settings.GetInstallPath(),
                           settings.GetRegisterByName(), settings.GetSuppressDialogs());
}

const auto kDefaults =
    std::make_tuple(CString("127.0.0.1"), DWORD{1500}, CString("Simulator"), CString("STA1"),
                    CString(), CString(), CString(), CString(), DWORD{0}, DWORD{0});

TEST_F(StationSettingsTest, DefaultsApplyOnEmptyRegistry) {
    EXPECT_EQ(Fields(Loaded()), kDefaults);
}

TEST_F(StationSettingsTest, FirstSaveWritesNineValuesInOrderWithoutInstallPathOrLeakedHandles) {
    CStationSettings settings = Loaded();
    const CRegistryHandleCounts before = GetRegistryHandleCounts();
    settings.Save();
    const CRegistryHandleCounts after = GetRegistryHandleCounts();
    EXPECT_EQ(after.dwOpened - before.dwOpened, 9u) << "one open per value";
    EXPECT_EQ(after.dwClosed - before.dwClosed, 9u) << "every open closed";
    const NamesAndTypes expected = {
        {"ObjectCommunicatorIp", REG_SZ},
        {"ObjectCommunicatorPort", REG_DWORD},
        {"PrinterName", REG_SZ},
        {"StationName", REG_SZ},
        {"ReaderId", REG_SZ},
        {"PiccReaderId", REG_SZ},
        {"ExtReaderId", REG_SZ},
        {"RegisterByName", REG_DWORD},
        {"SuppressDialogs", REG_DWORD},
    };
    EXPECT_EQ(StoredValues(), expected);
}

TEST_F(StationSettingsTest, SaveRegistrationWritesPrinterNameThenRegisterByNameOnly) {
    CStationSettings settings = Loaded();
    settings.SetPrinterName("host-17");
    settings.SetRegisterByName(1);
    settings.SetStationName("STA9");
    settings.SaveRegistration();
    const NamesAndTypes expected = {{"PrinterName", REG_SZ}, {"RegisterByName", REG_DWORD}};
    EXPECT_EQ(StoredValues(), expected);
    EXPECT_EQ(Loaded().GetPrinterName(), "host-17");
    EXPECT_EQ(Loaded().GetRegisterByName(), 1u);
}

TEST_F(StationSettingsTest, UnusableStoredValuesLoadAsTheirDefaults) {
    const std::pair<const char*, void (*)()> cases[] = {
        {"zero port", [] { WriteRegistryDword(PathOf("ObjectCommunicatorPort"), 0); }},
        {"port as text",
         [] { WriteRegistryString(PathOf("ObjectCommunicatorPort"), "1600", false); }},
        {"flags as text",
         [] {
             WriteRegistryString(PathOf("RegisterByName"), "1", false);
             WriteRegistryString(PathOf("SuppressDialogs"), "1", false);
         }},
        {"blank texts",
         [] {
             for (const char* pszName :
                  {"ObjectCommunicatorIp", "PrinterName", "StationName", "ReaderId", "PiccReaderId",
                   "ExtReaderId", "InstallPath"}) {
                 WriteRegistryString(PathOf(pszName), " \t\r\n\v\f ", false);
             }
         }},
    };
    for (const auto& [pszWhat, store] : cases) {
        m_registry.emplace();
        store();
        EXPECT_EQ(Fields(Loaded()), kDefaults) << pszWhat;
    }
}

TEST_F(StationSettingsTest, ExpandableTextLoadsUnexpanded) {
    setenv("ProgramFiles", "/should/not/appear", 1);
    ASSERT_TRUE(WriteRegistryString(PathOf("InstallPath"), "%ProgramFiles%\\Tarrow", true));
    EXPECT_EQ(Loaded().GetInstallPath(), "%ProgramFiles%\\Tarrow");
}

TEST_F(StationSettingsTest, DamagedRegistryLoadsDefaultsAndSaveLeavesItAlone) {
    const CByteArray damaged = BytesOf("SQLite format 3\nnot really");
    WriteFileBytes(m_registry->DatabasePath(), damaged);
    EXPECT_EQ(Fields(Loaded()), kDefaults);
    Loaded().Save();
    EXPECT_TRUE(ReadFileBytes(m_registry->DatabasePath()) == damaged) << "the file changed";
}

// A path whose first component is no full root name opens nothing and makes no registry.
TEST_F(StationSettingsTest, UnknownRootFailsEveryOpen) {
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
