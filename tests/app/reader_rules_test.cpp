#include "app/reader_rules.h"

#include <gtest/gtest.h>

#include "app/station_strings.h"

namespace {

struct RuleCase {
    const char* pszContact;
    const char* pszPicc;
    const char* pszExt;
    const char* pszExpected;  // null: the choice is accepted
};

// "" is a list without a selection.
const RuleCase kRuleCases[] = {
    {"none", "none", "none", kMsgNoProgrammingStation},
    // Rule 1 comes first although the two "none" are also equal for rule 2.
    {"none", "none", "Reader A", kMsgNoProgrammingStation},
    {"Reader A", "Reader A", "none", kMsgSameStationReader},
    // Rule 2 comes first although rule 3 applies as well.
    {"Reader A", "Reader A", "Reader A", kMsgSameStationReader},
    // No selection is not "none" for rule 1, but two of them are the same reader.
    {"", "", "none", kMsgSameStationReader},
    {"Reader A", "Reader B", "Reader A", kMsgSameKeyStationReader},
    {"Reader A", "Reader B", "Reader B", kMsgSameKeyStationReader},
    {"none", "Reader B", "Reader B", kMsgSameKeyStationReader},
    {"Reader A", "", "", kMsgSameKeyStationReader},
    {"Reader A", "none", "none", nullptr},
    {"none", "Reader B", "none", nullptr},
    {"", "Reader B", "none", nullptr},
    {"Reader A", "Reader B", "Reader C", nullptr},
    // Names compare exactly: case matters.
    {"Reader A", "reader a", "READER A", nullptr},
};

void PrintTo(const RuleCase& c, std::ostream* pOut) {
    *pOut << "'" << c.pszContact << "', '" << c.pszPicc << "', '" << c.pszExt << "'";
}

class ReaderRules : public testing::TestWithParam<RuleCase> {};

TEST_P(ReaderRules, ReportsTheFirstRuleBroken) {
    const RuleCase& c = GetParam();
    const char* pszBroken = BrokenReaderRule(c.pszContact, c.pszPicc, c.pszExt);
    if (c.pszExpected == nullptr) {
        EXPECT_EQ(pszBroken, nullptr) << pszBroken;
    } else {
        ASSERT_NE(pszBroken, nullptr);
        EXPECT_STREQ(pszBroken, c.pszExpected);
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, ReaderRules, testing::ValuesIn(kRuleCases));

}  // namespace
