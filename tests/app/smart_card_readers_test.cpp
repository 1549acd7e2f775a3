#include "app/smart_card_readers.h"

#include <gtest/gtest.h>

#include "tests/app/fake_smart_card_service.h"
#include "tests/support/case_name.h"

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

struct ListingCase {
    const char* pszName;
    CStringArray arrReaders;
    std::int32_t nEstablishStatus;
    std::int32_t nExpectedStatus;  // 0: the names come in the service's order
};

class Listing : public testing::TestWithParam<ListingCase> {};

// A failure leaves the array empty; either way no context stays open.
TEST_P(Listing, GivesTheNamesOrTheStatusAndReleasesTheContext) {
    const ListingCase& c = GetParam();
    CFakeSmartCardService service(c.arrReaders);
    service.m_nEstablishStatus = c.nEstablishStatus;
    CStringArray arrReaders{"left over"};
    EXPECT_EQ(ListSmartCardReaders(arrReaders, service), c.nExpectedStatus);
    EXPECT_EQ(arrReaders, c.nExpectedStatus == 0 ? c.arrReaders : CStringArray{});
    EXPECT_EQ(service.m_nOpenContexts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Listing,
    testing::Values(
        ListingCase{"InTheServicesOrder", {"Virtual PCD 00 01", "Virtual PCD 00 00"}, 0, 0},
        ListingCase{"FillingTheWhole1024CharacterBuffer", NamesTaking(1024), 0, 0},
        ListingCase{"NamesOneCharacterOverTheBuffer", NamesTaking(1025), 0,
                    kScardInsufficientBuffer},
        ListingCase{"NoReaders", {}, 0, kScardNoReaders},
        ListingCase{"NoService", {"Reader A"}, kScardNoService, kScardNoService}),
    CCaseName());

}  // namespace
}  // namespace station_test
