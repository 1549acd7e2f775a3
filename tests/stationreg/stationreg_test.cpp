// The stationreg command run as a process against a registry of the test's own.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/station_settings.h"
#include "tests/registry/temp_registry.h"
#include "tests/stationreg/run_program.h"

namespace {

using Args = std::vector<std::string>;

constexpr const char* kKey = "HKLM\\SOFTWARE\\Quenvale\\Tarrow";
constexpr const char* kNotFound =
    "ERROR: The system was unable to find the specified registry key or value.\n";
constexpr const char* kSuccess = "The operation completed successfully.\n";
constexpr const char* kUsageLine =
    "Usage: stationreg query|add|delete|get KEY ... (stationreg --help for details)\n";

class StationregTest : public ::testing::Test {
protected:
    void SetUp() override { m_registry.emplace(); }

    static CProgramResult Run(const Args& args, EChildUser user = EChildUser::Same) {
        return RunProgram(STATIONREG_PATH, args, user);
    }
    static void Add(const char* pszName, const char* pszType, const char* pszData) {
        const CProgramResult result =
            Run({"add", kKey, "/v", pszName, "/t", pszType, "/d", pszData, "/f"});
        ASSERT_EQ(result.nExit, 0) << result.strErr;
        ASSERT_EQ(result.strOut, kSuccess);
    }
    static std::string Get(const char* pszName) {
        const CProgramResult result = Run({"get", kKey, pszName});
        return result.nExit == 0 ? result.strOut : "exit " + std::to_string(result.nExit);
    }

    std::optional<CTempRegistry> m_registry;
};

TEST_F(StationregTest, AddedPortReachesTheSettingsAndShowsInQuery) {
    const CProgramResult added =
        Run({"add", "HKLM\\SOFTWARE\\Quenvale\\Tarrow", "/v", "ObjectCommunicatorPort", "/t",
             "REG_DWORD", "/d", "1600", "/f"});
    EXPECT_EQ(added.nExit, 0);
    EXPECT_EQ(added.strOut, kSuccess);
    CStationSettings settings;
    settings.Load();
    EXPECT_EQ(settings.GetObjectCommunicatorPort(), 1600u);

    const CProgramResult queried = Run({"query", kKey});
    EXPECT_EQ(queried.nExit, 0);
    EXPECT_EQ(queried.strOut,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\n"
              "    ObjectCommunicatorPort    REG_DWORD    0x640\n\n");
}

TEST_F(StationregTest, QueryListsEveryValueInCreationOrder) {
    Add("ObjectCommunicatorPort", "REG_DWORD", "0xFFFFFFFF");
    Add("PrinterName", "REG_SZ", "Printer 1");
    Add("InstallPath", "REG_EXPAND_SZ", "%ProgramFiles%\\Tarrow");
    Add("", "REG_SZ", "");
    Add("printername", "REG_SZ", "Printer 2");

    const CProgramResult all = Run({"query", "hkey_local_machine\\software\\Quenvale\\Tarrow"});
    EXPECT_EQ(all.nExit, 0);
    EXPECT_EQ(all.strErr, "");
    EXPECT_EQ(all.strOut,
              "\nHKEY_LOCAL_MACHINE\\software\\Quenvale\\Tarrow\n"
              "    ObjectCommunicatorPort    REG_DWORD    0xffffffff\n"
              "    PrinterName    REG_SZ    Printer 2\n"
              "    InstallPath    REG_EXPAND_SZ    %ProgramFiles%\\Tarrow\n"
              "    (Default)    REG_SZ    \n"
              "\n");

    const CProgramResult one = Run({"query", kKey, "/v", "InstallPath"});
    EXPECT_EQ(one.strOut,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\n"
              "    InstallPath    REG_EXPAND_SZ    %ProgramFiles%\\Tarrow\n\n");

    const CProgramResult parent = Run({"query", "HKLM\\SOFTWARE"});
    EXPECT_EQ(parent.nExit, 0);
    EXPECT_EQ(parent.strOut, "\nHKEY_LOCAL_MACHINE\\SOFTWARE\n\n");
}

TEST_F(StationregTest, GetPrintsBareDataAndDeleteRemovesIt) {
    Add("ObjectCommunicatorPort", "REG_DWORD", "0x640");
    Add("PrinterName", "REG_SZ", "Printer 1");
    EXPECT_EQ(Get("ObjectCommunicatorPort"), "1600\n");
    EXPECT_EQ(Get("PRINTERNAME"), "Printer 1\n");
    EXPECT_EQ(Run({"delete", kKey, "/v", "printerNAME", "/f"}).strOut, kSuccess);
    EXPECT_EQ(Get("PrinterName"), "exit 1");
}

TEST_F(StationregTest, AcceptsEverySpellingOfFlagsAndRoots) {
    const Args spellings[] = {
        {"add", kKey, "/v", "Port", "/t", "REG_DWORD", "/d", "1", "/f"},
        {"ADD", "hklm\\SOFTWARE\\Quenvale\\Tarrow", "-V", "Port", "-T", "reg_dword", "-D", "2",
         "-F"},
        {"add", "HKEY_LOCAL_MACHINE/SOFTWARE/Quenvale/Tarrow", "/F", "/D", "3", "/V", "Port", "/T",
         "REG_DWORD"},
        {"add", "HKLM\\SOFTWARE\\Quenvale\\Tarrow\\", "/v", "Port", "/t", "REG_DWORD", "/d", "4",
         "/f"},
    };
    DWORD dwExpected = 0;
    for (const Args& args : spellings) {
        const CProgramResult result = Run(args);
        EXPECT_EQ(result.nExit, 0) << args[1] << result.strErr;
        EXPECT_EQ(Get("Port"), std::to_string(++dwExpected) + "\n") << args[1];
    }
    for (const char* pszRoot : {"HKCU", "HKCR", "HKU", "HKCC", "HKEY_CURRENT_CONFIG"}) {
        EXPECT_EQ(Run({"add", std::string(pszRoot) + "\\Test", "/v", "A", "/d", "x", "/f"}).nExit,
                  0)
            << pszRoot;
    }
}

TEST_F(StationregTest, HelpPrintsTheUsage) {
    for (const Args& args :
         {Args{"--help"}, Args{"/?"}, Args{"query", "-?"}, Args{"get", kKey, "--help"}}) {
        const CProgramResult result = Run(args);
        EXPECT_EQ(result.nExit, 0) << args[0];
        EXPECT_EQ(result.strOut.rfind("Usage: stationreg query KEY [/v NAME]\n", 0), 0u) << args[0];
        EXPECT_NE(result.strOut.find(m_registry->DatabasePath()), std::string::npos);
    }
}

TEST_F(StationregTest, WrongSyntaxIsRefusedWithTheUsageLine) {
    const Args cases[] = {
        {},
        {"query"},
        {"frobnicate", kKey},
        {"add", kKey, "/v", "A"},
        {"add", kKey, "/d", "1"},
        {"add", kKey, "/v", "A", "/d", "1", "/t", "REG_BINARY"},
        {"add", kKey, "/v", "A", "/v", "B", "/d", "1"},
        {"add", kKey, "/v", "A", "/d"},
        {"add", kKey, "/v", "A", "/d", "1", "/x"},
        {"add", kKey, "/v", "A", "/d", "1", "extra"},
        {"add", kKey, "/v", "A", "/d", "1", "//f"},
        {"query", kKey, "/f"},
        {"query", kKey, "/d", "1"},
        {"delete", kKey},
        {"delete", kKey, "/v", "A", "/t", "REG_SZ"},
        {"get", kKey},
        {"get", kKey, "A", "B"},
    };
    for (const Args& args : cases) {
        const CProgramResult result = Run(args);
        const std::string strWhat = args.empty() ? "(none)" : args[0] + " ... " + args.back();
        EXPECT_EQ(result.nExit, 1) << strWhat;
        EXPECT_EQ(result.strOut, "") << strWhat;
        EXPECT_EQ(result.strErr, std::string("ERROR: Invalid syntax.\n") + kUsageLine) << strWhat;
    }
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath()));
}

TEST_F(StationregTest, UnknownRootOrEmptyKeyNameIsRefused) {
    for (const char* pszKey : {"HKXX\\SOFTWARE", "SOFTWARE\\Quenvale", "HKLM\\\\SOFTWARE", "",
                               "HKLM\\SOFTWARE\\\\", "\\HKLM\\SOFTWARE"}) {
        const CProgramResult result = Run({"query", pszKey});
        EXPECT_EQ(result.nExit, 1) << pszKey;
        EXPECT_EQ(result.strErr, std::string("ERROR: Invalid key name.\n") + kUsageLine) << pszKey;
    }
}

TEST_F(StationregTest, MissingKeyOrValueIsReportedForEveryOperation) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const Args cases[] = {
        {"query", "HKLM\\SOFTWARE\\Quenvale\\Other"},
        {"query", kKey, "/v", "StationName"},
        {"get", kKey, "StationName"},
        {"get", "HKCU\\SOFTWARE", "PrinterName"},
        {"delete", kKey, "/v", "StationName", "/f"},
        {"delete", "HKLM\\SOFTWARE\\Other", "/v", "PrinterName", "/f"},
    };
    for (const Args& args : cases) {
        const CProgramResult result = Run(args);
        EXPECT_EQ(result.nExit, 1) << args[0] << " " << args[1];
        EXPECT_EQ(result.strOut, "") << args[0] << " " << args[1];
        EXPECT_EQ(result.strErr, kNotFound) << args[0] << " " << args[1];
    }
}

TEST_F(StationregTest, DwordDataOutsideThirtyTwoBitsIsRefused) {
    Add("Port", "REG_DWORD", "1500");
    for (const char* pszData :
         {"-1", "4294967296", "0x100000000", "0x", "", "12a", " 12", "+12", "1.5", "0x-1"}) {
        const CProgramResult result =
            Run({"add", kKey, "/v", "Port", "/t", "REG_DWORD", "/d", pszData, "/f"});
        EXPECT_EQ(result.nExit, 1) << pszData;
        EXPECT_EQ(result.strErr, "ERROR: Invalid REG_DWORD data \"" + std::string(pszData) +
                                     "\": give a number from 0 to 4294967295, in decimal or with "
                                     "0x in hex.\n")
            << pszData;
    }
    EXPECT_EQ(Get("Port"), "1500\n");
}

TEST_F(StationregTest, WithoutTerminalExistingValuesAreNeitherReplacedNorDeleted) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const CProgramResult replaced = Run({"add", kKey, "/v", "PrinterName", "/d", "Printer 2"});
    EXPECT_EQ(replaced.nExit, 1);
    EXPECT_EQ(replaced.strErr,
              "ERROR: There is no terminal to confirm on; add /f to overwrite it.\n");
    const CProgramResult deleted = Run({"delete", kKey, "/v", "PrinterName"});
    EXPECT_EQ(deleted.nExit, 1);
    EXPECT_EQ(deleted.strErr, "ERROR: There is no terminal to confirm on; add /f to delete it.\n");
    EXPECT_EQ(Get("PrinterName"), "Printer 1\n");

    // A new value needs no confirmation.
    EXPECT_EQ(Run({"add", kKey, "/v", "StationName", "/d", "STA2"}).nExit, 0);
}

TEST_F(StationregTest, OnATerminalTheAnswerDecides) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const CProgramResult refused = RunOnTerminal(
        STATIONREG_PATH, {"add", kKey, "/v", "PrinterName", "/d", "Printer 2"}, "maybe\nno\n");
    EXPECT_EQ(refused.nExit, 1);
    EXPECT_NE(refused.strOut.find("Value PrinterName exists, overwrite (Yes/No)? "),
              std::string::npos);
    EXPECT_NE(refused.strOut.find("The operation was canceled by the user."), std::string::npos);
    EXPECT_EQ(Get("PrinterName"), "Printer 1\n");

    const CProgramResult accepted = RunOnTerminal(
        STATIONREG_PATH, {"add", kKey, "/v", "PrinterName", "/d", "Printer 2"}, "Y\n");
    EXPECT_EQ(accepted.nExit, 0);
    EXPECT_EQ(Get("PrinterName"), "Printer 2\n");

    const CProgramResult deleted =
        RunOnTerminal(STATIONREG_PATH, {"delete", kKey, "/v", "PrinterName"}, "yes\n");
    EXPECT_EQ(deleted.nExit, 0);
    EXPECT_NE(deleted.strOut.find("Permanently delete the registry value PrinterName (Yes/No)? "),
              std::string::npos);
    EXPECT_EQ(Get("PrinterName"), "exit 1");
}

TEST_F(StationregTest, DamagedRegistryIsReportedAndLeftAlone) {
    const CByteArray damaged = BytesOf("not a registry at all");
    WriteFileBytes(m_registry->DatabasePath(), damaged);
    const CProgramResult added = Run({"add", kKey, "/v", "PrinterName", "/d", "X", "/f"});
    EXPECT_EQ(added.nExit, 1);
    EXPECT_EQ(added.strErr,
              "ERROR: The registry database is damaged or belongs to another program; it was left "
              "unchanged.\n");
    EXPECT_EQ(Run({"query", kKey}).strErr, kNotFound);
    EXPECT_TRUE(ReadFileBytes(m_registry->DatabasePath()) == damaged) << "the file changed";
}

TEST_F(StationregTest, ReadOnlyRegistryIsReadButNotChanged) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const bool bRoot = geteuid() == 0;
    ASSERT_EQ(chmod(m_registry->DatabasePath().c_str(), bRoot ? 0644 : 0444), 0);
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), bRoot ? 0755 : 0555), 0);

    EXPECT_EQ(Run({"get", kKey, "PrinterName"}, EChildUser::Unprivileged).strOut, "Printer 1\n");
    for (const Args& args : {Args{"add", kKey, "/v", "PrinterName", "/d", "X", "/f"},
                             Args{"delete", kKey, "/v", "PrinterName", "/f"}}) {
        const CProgramResult result = Run(args, EChildUser::Unprivileged);
        EXPECT_EQ(result.nExit, 1) << args[0];
        EXPECT_EQ(result.strErr, "ERROR: Access is denied.\n") << args[0];
    }
    EXPECT_EQ(Get("PrinterName"), "Printer 1\n");
}

}  // namespace
