// What the factory does to its arguments; what it makes of frames is in the decode cases of
// tests/tools/cases.
#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/response.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

TEST(Factory, ReadsTheFrameFromItsStartAndStopsAfterIt) {
    CByteArray bytes = LongFrame(0xFF, Hex("93"));
    bytes.push_back(0x55);
    CInBinaryString frame(bytes);
    frame.m_nPos = 5;
    DWORD dwTag = 0xDEAD;
    std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(frame, &dwTag, 7));
    EXPECT_EQ(response->GetCommand(), 0xFF);
    EXPECT_EQ(response->m_dwContext, 7u);
    EXPECT_EQ(dwTag, 0u);
    EXPECT_EQ(frame.m_nPos, static_cast<int>(bytes.size()) - 1);
}

}  // namespace
