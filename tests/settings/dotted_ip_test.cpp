#include "app/dotted_ip.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes = std::array<BYTE, 4>;

TEST(ParseDottedIpTest, AcceptsWhatTheFormattedScanReadsWithinByteRange) {
    struct Case {
        const char* pszText;
        Bytes expected;
    } const cases[] = {
        {"10.0.0.1", {10, 0, 0, 1}},   {"10.0.0.1 and more", {10, 0, 0, 1}},
        {"10.0.0.1.7", {10, 0, 0, 1}}, {" 192. 168.\t0.10", {192, 168, 0, 10}},
        {"+10.0.0.+1", {10, 0, 0, 1}}, {"010.0.0.1", {10, 0, 0, 1}},
        {"0.0.0.0", {0, 0, 0, 0}},     {"255.255.255.255", {255, 255, 255, 255}},
    };
    for (const Case& c : cases) {
        Bytes bytes{};
        EXPECT_TRUE(ParseDottedIp(bytes[0], bytes[1], bytes[2], bytes[3], c.pszText)) << c.pszText;
        EXPECT_EQ(bytes, c.expected) << c.pszText;
    }
}

TEST(ParseDottedIpTest, RejectsAndLeavesTheOutputsAlone) {
    for (const char* pszText :
         {"10.0.0", "256.1.1.1", "1.2.3.256", "-1.2.3.4", "", "a.b.c.d", "10.0.0.x", "10,0,0,1",
          "4294967306.0.0.1", "99999999999999999999999.1.1.1"}) {
        Bytes bytes = {9, 8, 7, 6};
        EXPECT_FALSE(ParseDottedIp(bytes[0], bytes[1], bytes[2], bytes[3], pszText)) << pszText;
        EXPECT_EQ(bytes, (Bytes{9, 8, 7, 6})) << pszText;
    }
}

TEST(FormatDottedIpTest, WritesTheFirstByteFirst) {
    EXPECT_EQ(FormatDottedIp(192, 168, 0, 10), "192.168.0.10");
    EXPECT_EQ(FormatDottedIp(255, 255, 255, 255), "255.255.255.255");
}

}  // namespace
