// Sub-command 0xFF: the exchange tag decides between the end of a card and the end of the
// session, and the card outcome's own operations.
#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/station/completion_responses.h"
#include "tests/support/frames.h"

namespace {

using station_test::DecodePassThrough;
using station_test::Hex;

TEST(CompletionTest, TagZeroFinishesWhateverThePayloadHolds) {
    for (const char* pszPayload : {"", "00 3132333435 0000", "ff"}) {
        auto response = DecodePassThrough(0xFF, Hex(pszPayload), 0, 0);
        EXPECT_NE(dynamic_cast<CRspPassThroughModeFinish*>(response.get()), nullptr);
        EXPECT_TRUE(response->GetData().GetBytes().empty());
    }
}

TEST(CompletionTest, AnyNonzeroTagCompletesACard) {
    for (WORD wTag : {1, 0x8000, 0xFFFF}) {
        auto response = DecodePassThrough(0xFF, Hex("00"), 0, wTag);
        EXPECT_NE(dynamic_cast<CRspPassThroughModeComplete*>(response.get()), nullptr) << wTag;
    }
    EXPECT_THROW(DecodePassThrough(0xFF, {}, 0, 1), CPassThruParseError) << "no accept code";
}

TEST(CompletionTest, AcceptCodesOutsideTheTableAreUnknown) {
    const std::pair<const char*, const char*> cases[] = {
        {"d3", "Unknown Value"},
        {"d4", "Resend time exceeds Max(3)"},
        {"02", "Unknown Value"},
        {"ff", "Dll error"},
    };
    for (const auto& [pszCode, pszText] : cases) {
        auto response = DecodePassThrough(0xFF, Hex(pszCode));
        EXPECT_EQ(response->Describe().at(3), pszText) << pszCode;
        EXPECT_EQ(response->GetData().GetBytes().at(0), Hex(pszCode)[0]);
    }
}

TEST(CompletionTest, OperationsExposeTheOutcome) {
    CInBinaryString payload(Hex("01 3132333435 0002 abcd"));
    CRspPassThroughModeComplete response(payload, 0);
    EXPECT_EQ(response.GetAcceptCode(), 1);
    EXPECT_EQ(response.GetDllErrorCode(), "12345");
    CByteArray audit = Hex("01 02 03 04 05");
    response.GetAuditData(audit);
    EXPECT_EQ(audit, Hex("ab cd")) << "replaced, not appended";
    ASSERT_NE(response.GetAuditDataPtr(), nullptr);
    EXPECT_EQ(*response.GetAuditDataPtr(), audit);
}

}  // namespace
