#include "app/text_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitStringTest, EverySeparatorEndsAPiece) {
    struct Case {
        const char* pszText;
        CStringArray arrExpected;
    } const cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\\B", {"A", "B"}},
        {"A\\B\\", {"A", "B", ""}},
        {"\\A", {"", "A"}},
        {"A\\\\B", {"A", "", "B"}},
        {"\\", {"", ""}},
    };
    for (const Case& c : cases) {
        CStringArray arrPieces = {"left over"};
        EXPECT_EQ(SplitString(arrPieces, c.pszText, '\\'), static_cast<int>(c.arrExpected.size()))
            << c.pszText;
        EXPECT_EQ(arrPieces, c.arrExpected) << c.pszText;
    }
}

TEST(IsBlankTest, OnlyTheSixWhiteSpaceCharactersAreBlank) {
    for (const char* pszBlank : {"", " ", "\t", "\n\v\f\r", "  \t \r\n "}) {
        EXPECT_TRUE(IsBlank(pszBlank)) << '"' << pszBlank << '"';
    }
    for (const char* pszText : {"a", " a ", "\t.", "\xA0", "_"}) {
        EXPECT_FALSE(IsBlank(pszText)) << '"' << pszText << '"';
    }
}

}  // namespace
