// The reader lists against a real PC/SC service with virtual readers.
#include "app/smart_card_readers.h"
#include "tests/app/fake_smart_card_service.h"
#include "tests/app/pcscd_fixture.h"

namespace station_test {
namespace {

const char* const kLists[] = {"contactList", "piccList", "extList"};

TEST_F(PcscdTest, ListsNoneThenTheServicesReadersInItsOrder) {
    StartService(true);
    CStringArray arrReaders;
    EXPECT_EQ(ListSmartCardReaders(arrReaders), 0);
    EXPECT_EQ(arrReaders, (CStringArray{"Virtual PCD 00 00", "Virtual PCD 00 01"}));
    OpenDialog();
    for (const char* pszList : kLists) {
        EXPECT_EQ(Entries(pszList),
                  (CStringArray{"none", "Virtual PCD 00 00", "Virtual PCD 00 01"}))
            << pszList;
    }
}

// A service without readers, and one that has gone: the lists hold "none" alone.
TEST_F(PcscdTest, NoReadersOrNoServiceLeavesOnlyNone) {
    StartService(false);
    CStringArray arrReaders{"left over"};
    EXPECT_EQ(ListSmartCardReaders(arrReaders), kScardNoReaders);
    StopService();
    EXPECT_EQ(ListSmartCardReaders(arrReaders), kScardNoService);
    EXPECT_TRUE(arrReaders.empty());
    OpenDialog();
    for (const char* pszList : kLists) EXPECT_EQ(Entries(pszList), CStringArray{"none"});
}

}  // namespace
}  // namespace station_test
