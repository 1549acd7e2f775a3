// The stationreg command run as a process against a registry of the test's own.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/station_settings.h"
#include "tests/registry/temp_registry.h"
#include "tests/support/child_process.h"

namespace {

using Args = std::vector<std::string>;
using station_test::CProcessResult;

constexpr const char* kKey = "HKLM\\SOFTWARE\\Quenvale\\Tarrow";
constexpr const char* kNotFound =
    "ERROR: The system was unable to find the specified registry key or value.\n";
constexpr const char* kSuccess = "The operation completed successfully.\n";
constexpr const char* kUsageLine =
    "Usage: stationreg query|add|delete|get KEY ... | init (stationreg --help for details)\n";

class StationregTest : public CTempRegistryTest {
protected:
    static CProcessResult Run(Args args, bool bAsNobody = false) {
        args.insert(args.begin(), STATIONREG_PATH);
        return station_test::RunProcess(args, {.bStdinFromNull = true, .bAsNobody = bAsNobody});
    }
    static CProcessResult RunOnTerminal(Args args, const std::string& strInput) {
        args.insert(args.begin(), STATIONREG_PATH);
        return station_test::RunOnTerminal(args, strInput);
    }
    static void Add(const char* pszName, const char* pszType, const char* pszData) {
        const CProcessResult result =
            Run({"add", kKey, "/v", pszName, "/t", pszType, "/d", pszData, "/f"});
        ASSERT_EQ(result.nStatus, 0) << result.strErr;
        ASSERT_EQ(result.strOut, kSuccess);
    }
    static std::string Get(const char* pszName) {
        const CProcessResult result = Run({"get", kKey, pszName});
        return result.nStatus == 0 ? result.strOut : "exit " + std::to_string(result.nStatus);
    }
};

TEST_F(StationregTest, AddedPortReachesTheSettings) {
    Add("ObjectCommunicatorPort", "REG_DWORD", "1600");
    CStationSettings settings;
    settings.Load();
    EXPECT_EQ(settings.GetObjectCommunicatorPort(), 1600u);
}

TEST_F(StationregTest, QueryListsEveryValueInCreationOrder) {
    Add("ObjectCommunicatorPort", "REG_DWORD", "0xFFFFFFFF");
    Add("PrinterName", "REG_SZ", "Printer 1");
    Add("InstallPath", "REG_EXPAND_SZ", "%ProgramFiles%\\Tarrow");
    Add("", "REG_SZ", "");
    Add("printername", "REG_SZ", "Printer 2");
    Add("Port", "REG_DWORD", "1600");

    const CProcessResult all = Run({"query", "hkey_local_machine\\software\\Quenvale\\Tarrow"});
    EXPECT_EQ(all.nStatus, 0);
    EXPECT_EQ(all.strErr, "");
    EXPECT_EQ(all.strOut,
              "\nHKEY_LOCAL_MACHINE\\software\\Quenvale\\Tarrow\n"
              "    ObjectCommunicatorPort    REG_DWORD    0xffffffff\n"
              "    PrinterName    REG_SZ    Printer 2\n"
              "    InstallPath    REG_EXPAND_SZ    %ProgramFiles%\\Tarrow\n"
              "    (Default)    REG_SZ    \n"
              "    Port    REG_DWORD    0x640\n"
              "\n");

    const CProcessResult one = Run({"query", kKey, "/v", "InstallPath"});
    EXPECT_EQ(one.strOut,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\n"
              "    InstallPath    REG_EXPAND_SZ    %ProgramFiles%\\Tarrow\n\n");

    const CProcessResult parent = Run({"query", "HKLM\\SOFTWARE"});
    EXPECT_EQ(parent.nStatus, 0);
    EXPECT_EQ(parent.strOut, "\nHKEY_LOCAL_MACHINE\\SOFTWARE\n\n");
}

TEST_F(StationregTest, GetPrintsBareDataInitKeepsItAndDeleteRemovesIt) {
    Add("ObjectCommunicatorPort", "REG_DWORD", "0x640");
    Add("PrinterName", "REG_SZ", "Printer 1");
    EXPECT_EQ(Run({"init"}).strOut, kSuccess);
    EXPECT_EQ(Get("ObjectCommunicatorPort"), "1600\n");
    EXPECT_EQ(Get("PRINTERNAME"), "Printer 1\n");
    EXPECT_EQ(Run({"delete", kKey, "/v", "printerNAME", "/f"}).strOut, kSuccess);
    EXPECT_EQ(Get("PrinterName"), "exit 1");
    EXPECT_EQ(Run({"delete", "HKLM\\SOFTWARE\\Quenvale", "/f"}).strOut, kSuccess);
    EXPECT_EQ(Run({"query", kKey}).strErr, kNotFound);
    EXPECT_EQ(Run({"query", "HKLM\\SOFTWARE"}).nStatus, 0);
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
        const CProcessResult result = Run(args);
        EXPECT_EQ(result.nStatus, 0) << args[1] << result.strErr;
        EXPECT_EQ(Get("Port"), std::to_string(++dwExpected) + "\n") << args[1];
    }
    for (const char* pszRoot : {"HKCU", "HKCR", "HKU", "HKCC", "HKEY_CURRENT_CONFIG"}) {
        EXPECT_EQ(Run({"add", std::string(pszRoot) + "\\Test", "/v", "A", "/d", "x", "/f"}).nStatus,
                  0)
            << pszRoot;
    }
}

TEST_F(StationregTest, HelpPrintsTheUsage) {
    for (const Args& args :
         {Args{"--help"}, Args{"/?"}, Args{"query", "-?"}, Args{"get", kKey, "--help"}}) {
        const CProcessResult result = Run(args);
        EXPECT_EQ(result.nStatus, 0) << args[0];
        EXPECT_EQ(result.strOut.rfind("Usage: stationreg query KEY [/v NAME]\n", 0), 0u) << args[0];
        EXPECT_NE(result.strOut.find(m_registry->DatabasePath()), std::string::npos);
    }
}

// Every refusal prints one error line, nothing on standard output, and changes nothing.
TEST_F(StationregTest, RefusalsReportTheirReasonAndChangeNothing) {
    EXPECT_EQ(Run({}).nStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(m_registry->DatabasePath())) << "syntax errors create it";
    Add("PrinterName", "REG_SZ", "Printer 1");
    Add("Port", "REG_DWORD", "1500");
    const CProcessResult before = Run({"query", kKey});

    const std::string strSyntax = std::string("ERROR: Invalid syntax.\n") + kUsageLine;
    const std::string strKeyName = std::string("ERROR: Invalid key name.\n") + kUsageLine;
    const std::string strNoTerminal = "ERROR: There is no terminal to confirm on; add /f to ";
    const std::string strParameter = "ERROR: The parameter is incorrect.\n";
    const std::string strNew = std::string(kKey) + "\\New";
    const std::pair<Args, std::string> cases[] = {
        {{}, strSyntax},
        {{"query"}, strSyntax},
        {{"frobnicate", kKey}, strSyntax},
        {{"add", kKey, "/v", "A"}, strSyntax},
        {{"add", kKey, "/d", "1"}, strSyntax},
        {{"add", kKey, "/v", "A", "/d", "1", "/t", "REG_BINARY"}, strSyntax},
        {{"add", kKey, "/v", "A", "/v", "B", "/d", "1"}, strSyntax},
        {{"add", kKey, "/v", "A", "/d"}, strSyntax},
        {{"add", kKey, "/v", "A", "/d", "1", "/x"}, strSyntax},
        {{"add", kKey, "/v", "A", "/d", "1", "extra"}, strSyntax},
        {{"add", kKey, "/v", "A", "/d", "1", "//f"}, strSyntax},
        {{"query", kKey, "/f"}, strSyntax},
        {{"query", kKey, "/d", "1"}, strSyntax},
        {{"init", kKey}, strSyntax},
        {{"delete", kKey, "/v", "A", "/t", "REG_SZ"}, strSyntax},
        {{"get", kKey}, strSyntax},
        {{"get", kKey, "A", "B"}, strSyntax},
        {{"query", "HKXX\\SOFTWARE"}, strKeyName},
        {{"query", "SOFTWARE\\Quenvale"}, strKeyName},
        {{"query", "HKLM\\\\SOFTWARE"}, strKeyName},
        {{"query", ""}, strKeyName},
        {{"query", "HKLM\\SOFTWARE\\\\"}, strKeyName},
        {{"query", "\\HKLM\\SOFTWARE"}, strKeyName},
        {{"query", "HKLM\\SOFTWARE\\Quenvale\\Other"}, kNotFound},
        {{"query", kKey, "/v", "StationName"}, kNotFound},
        {{"get", kKey, "StationName"}, kNotFound},
        {{"get", "HKCU\\SOFTWARE", "PrinterName"}, kNotFound},
        {{"delete", kKey, "/v", "StationName", "/f"}, kNotFound},
        {{"delete", "HKLM\\SOFTWARE\\Other", "/v", "PrinterName", "/f"}, kNotFound},
        {{"add", kKey, "/v", "PrinterName", "/d", "Printer 2"}, strNoTerminal + "overwrite it.\n"},
        {{"delete", kKey, "/v", "PrinterName"}, strNoTerminal + "delete it.\n"},
        {{"delete", kKey}, strNoTerminal + "delete it.\n"},
        {{"delete", "HKLM", "/f"}, "ERROR: Access is denied.\n"},
        {{"add", strNew, "/v", std::string(16384, 'v'), "/d", "1", "/f"}, strParameter},
        {{"query", strNew}, kNotFound},
        {{"add", strNew + "\\" + std::string(256, 'k'), "/v", "A", "/d", "1", "/f"}, strParameter},
        {{"query", strNew}, kNotFound},
        {{"add", kKey, "/v", "Port", "/t", "REG_DWORD", "/d", "-1", "/f"},
         "ERROR: Invalid REG_DWORD data \"-1\": give a number from 0 to 4294967295, in decimal or "
         "with 0x in hex.\n"},
    };
    for (const auto& [args, strError] : cases) {
        std::string strWhat;
        for (const std::string& strArg : args) strWhat += "'" + strArg + "' ";
        const CProcessResult result = Run(args);
        EXPECT_EQ(result.nStatus, 1) << strWhat;
        EXPECT_EQ(result.strOut, "") << strWhat;
        EXPECT_EQ(result.strErr, strError) << strWhat;
    }
    EXPECT_EQ(Run({"query", kKey}).strOut, before.strOut);
    // A new value needs no confirmation, and its name may be as long as the limit.
    EXPECT_EQ(Run({"add", strNew, "/v", std::string(16383, 'v'), "/d", "1"}).nStatus, 0);
}

TEST_F(StationregTest, OnATerminalTheAnswerDecides) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const CProcessResult refused =
        RunOnTerminal({"add", kKey, "/v", "PrinterName", "/d", "Printer 2"}, "maybe\nno\n");
    EXPECT_EQ(refused.nStatus, 1);
    EXPECT_NE(refused.strOut.find("Value PrinterName exists, overwrite (Yes/No)? "),
              std::string::npos);
    EXPECT_NE(refused.strOut.find("The operation was canceled by the user."), std::string::npos);
    EXPECT_EQ(Get("PrinterName"), "Printer 1\n");

    EXPECT_EQ(RunOnTerminal({"add", kKey, "/v", "PrinterName", "/d", "Printer 2"}, "Y\n").nStatus,
              0);
    EXPECT_EQ(Get("PrinterName"), "Printer 2\n");

    const CProcessResult deleted = RunOnTerminal({"delete", kKey, "/v", "PrinterName"}, "yes\n");
    EXPECT_EQ(deleted.nStatus, 0);
    EXPECT_NE(deleted.strOut.find("Permanently delete the registry value PrinterName (Yes/No)? "),
              std::string::npos);
    EXPECT_EQ(Get("PrinterName"), "exit 1");

    const CProcessResult keyDeleted = RunOnTerminal({"delete", kKey}, "y\n");
    EXPECT_EQ(keyDeleted.nStatus, 0);
    EXPECT_NE(keyDeleted.strOut.find("Permanently delete the registry key "
                                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow (Yes/No)? "),
              std::string::npos);
    EXPECT_EQ(Run({"query", kKey}).strErr, kNotFound);
}

TEST_F(StationregTest, DamagedRegistryIsReportedAndLeftAlone) {
    const CByteArray damaged = BytesOf("not a registry at all");
    WriteFileBytes(m_registry->DatabasePath(), damaged);
    for (const Args& args :
         {Args{"add", kKey, "/v", "PrinterName", "/d", "X", "/f"}, Args{"init"}}) {
        const CProcessResult result = Run(args);
        EXPECT_EQ(result.nStatus, 1) << args[0];
        EXPECT_EQ(result.strErr,
                  "ERROR: The registry database is damaged or belongs to another program; it was "
                  "left unchanged.\n")
            << args[0];
    }
    EXPECT_EQ(Run({"query", kKey}).strErr, kNotFound);
    EXPECT_TRUE(ReadFileBytes(m_registry->DatabasePath()) == damaged) << "the file changed";
}

TEST_F(StationregTest, ReadOnlyRegistryIsReadButNotChanged) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    const bool bRoot = geteuid() == 0;
    ASSERT_EQ(chmod(m_registry->DatabasePath().c_str(), bRoot ? 0644 : 0444), 0);
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), bRoot ? 0755 : 0555), 0);

    EXPECT_EQ(Run({"get", kKey, "PrinterName"}, true).strOut, "Printer 1\n");
    for (const Args& args : {Args{"add", kKey, "/v", "PrinterName", "/d", "X", "/f"},
                             Args{"delete", kKey, "/v", "PrinterName", "/f"},
                             Args{"delete", kKey, "/f"}, Args{"init"}}) {
        const CProcessResult result = Run(args, true);
        EXPECT_EQ(result.nStatus, 1) << args[0];
        EXPECT_EQ(result.strErr, "ERROR: Access is denied.\n") << args[0];
    }
    EXPECT_EQ(Get("PrinterName"), "Printer 1\n");
}

// A full disk under a redirected output is an error, not an empty backup and success.
TEST_F(StationregTest, OutputThatCannotBeWrittenIsAnError) {
    Add("PrinterName", "REG_SZ", "Printer 1");
    for (const Args& args : {Args{"query", kKey}, Args{"get", kKey, "PrinterName"}}) {
        Args command = {"/bin/sh", "-c", "exec \"$0\" \"$@\" > /dev/full", STATIONREG_PATH};
        command.insert(command.end(), args.begin(), args.end());
        const CProcessResult result = station_test::RunProcess(command);
        EXPECT_EQ(result.nStatus, 1) << args[0];
        EXPECT_EQ(result.strErr, "ERROR: Writing the output failed: No space left on device.\n")
            << args[0];
    }
}

}  // namespace
