// The text layout for what no response of the factory has today: sub-command 0, and a last
// text without a value that no class named as standing alone.
#include "tools/objcomm/response_printer.h"

#include <gtest/gtest.h>

#include <sstream>

// Outside any namespace, so that its class name prints bare.
struct CFakeResponse : CObjCommResponse {
    CFakeResponse() : CObjCommResponse(0) {}
    int GetCommand() override { return 10; }
    int GetSubCommand() override { return 0; }
    CStringArray& Describe() override { return m_arrDescribe; }

    CStringArray m_arrDescribe{"Command", "Fake", "Trailing"};
};

namespace {

TEST(ResponsePrinter, ShowsSubCommandZeroAndATrailingTextAlone) {
    CDecodedFrame decoded;
    decoded.response = std::make_unique<CFakeResponse>();
    std::ostringstream out;
    PrintDecodedFrame(out, decoded, false);
    EXPECT_EQ(out.str(),
              "CFakeResponse command=10 sub-command=0 form=long tag=0\n"
              "Command: Fake\nTrailing\ndata:\n");
}

}  // namespace
