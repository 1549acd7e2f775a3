#include "app/smart_card_readers.h"

#include <gtest/gtest.h>

#include "tests/app/fake_smart_card_service.h"

namespace station_test {
namespace {

// Names whose list, with every terminator and the final empty name, takes nChars.
CStringArray NamesTaking(size_t nChars) {
    const size_t nName = 99;  // 100 with its terminator
    CStringArray arrNames;
    size_t nLeft = nChars - 1;
    for (char c = 'A'; nLeft > 0; ++c) {
        const size_t nThis = std::min(nName, nLeft - 1);
        arrNames.push_back(CString(nThis, c));
        nLeft -= nThis + 1;
    }
    return arrNames;
}

TEST(ListSmartCardReaders, GivesTheNamesInTheServicesOrderAndReleasesTheContext) {
    CFakeSmartCardService service({"Virtual PCD 00 01", "Virtual PCD 00 00"});
    CStringArray arrReaders{"left over"};
    EXPECT_EQ(ListSmartCardReaders(arrReaders, service), 0);
    EXPECT_EQ(arrReaders, (CStringArray{"Virtual PCD 00 01", "Virtual PCD 00 00"}));
    EXPECT_EQ(service.m_nOpenContexts, 0);
}

TEST(ListSmartCardReaders, FillsTheWhole1024CharacterBuffer) {
    CFakeSmartCardService service(NamesTaking(1024));
    CStringArray arrReaders;
    EXPECT_EQ(ListSmartCardReaders(arrReaders, service), 0);
    EXPECT_EQ(arrReaders, service.m_arrReaders);
}

struct FailureCase {
    const char* pszName;
    CStringArray arrReaders;
    std::int32_t nEstablishStatus;
    std::int32_t nExpectedStatus;
};

class ListingFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ListingFailure, LeavesTheArrayEmptyAndNoContextOpen) {
    CFakeSmartCardService service(GetParam().arrReaders);
    service.m_nEstablishStatus = GetParam().nEstablishStatus;
    CStringArray arrReaders{"left over"};
    EXPECT_EQ(ListSmartCardReaders(arrReaders, service), GetParam().nExpectedStatus);
    EXPECT_TRUE(arrReaders.empty());
    EXPECT_EQ(service.m_nOpenContexts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ListingFailure,
    testing::Values(FailureCase{"NamesOneCharacterOverTheBuffer", NamesTaking(1025), 0,
                                kScardInsufficientBuffer},
                    FailureCase{"NoReaders", {}, 0, kScardNoReaders},
                    FailureCase{"NoService", {"Reader A"}, kScardNoService, kScardNoService}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.pszName; });

}  // namespace
}  // namespace station_test
