#include "tools/stationreg/command_line.h"

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "tools/stationreg/value_data.h"

namespace {

TEST(ParseDwordDataTest, ReadsDecimalAndHexUpToThirtyTwoBitsAndNothingElse) {
    struct Case {
        const char* pszText;
        DWORD dwExpected;
    } const cases[] = {
        {"0", 0},
        {"1600", 1600},
        {"010", 10},
        {"0x640", 0x640},
        {"0XfF", 0xFF},
        {"4294967295", 0xFFFFFFFF},
        {"0xFFFFFFFF", 0xFFFFFFFF},
        {"0x00000000000001", 1},
    };
    for (const Case& c : cases) {
        DWORD dwValue = 7;
        EXPECT_TRUE(ParseDwordData(c.pszText, dwValue)) << c.pszText;
        EXPECT_EQ(dwValue, c.dwExpected) << c.pszText;
    }
    for (const char* pszText :
         {"-1", "4294967296", "0x100000000", "0x", "", "12a", " 12", "+12", "1.5", "0x-1"}) {
        DWORD dwValue = 0;
        EXPECT_FALSE(ParseDwordData(pszText, dwValue)) << pszText;
    }
}

TEST(ParseCommandLineTest, FlagArgumentsAreTakenLiterally) {
    CRegCommand command;
    ASSERT_EQ(ParseCommandLine(
                  {"add", "HKLM\\A", "/v", "/f", "/d", "--help", "/t", "reg_expand_sz"}, command),
              EParseResult::Command);
    EXPECT_EQ(command.operation, EOperation::Add);
    EXPECT_EQ(command.strValueName, "/f");
    EXPECT_EQ(command.strData, "--help");
    EXPECT_EQ(command.dwType, REG_EXPAND_SZ);
    EXPECT_FALSE(command.bForce);
}

}  // namespace
