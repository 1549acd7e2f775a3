// What Save writes: the dialog's choices, and the values it does not edit as they are
// stored at the moment of Save.
#include <QLineEdit>
#include <QTest>

#include "tests/app/dialog_fixture.h"

namespace station_test {
namespace {

void TypeAddress(QWidget& dialog, const char* const (&arrFields)[4]) {
    for (int i = 0; i < 4; ++i) {
        auto& field = FindControl<QLineEdit>(dialog, ("octet" + std::to_string(i + 1)).c_str());
        field.clear();
        QTest::keyClicks(&field, arrFields[i]);
    }
}

TEST_F(DialogTest, SaveStoresTheChoicesWithNoneAsEmptyAndCloses) {
    OpenDialog();
    TypeAddress(*m_pDialog, {"192", "", "0", "10"});
    Choose("contactList", "none");
    Choose("piccList", "Reader B");
    Click("saveButton");
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(m_pDialog->isVisible());
    EXPECT_EQ(m_pDialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredText("ObjectCommunicatorIp"), "192.0.0.10") << "a blank field is 0";
    EXPECT_EQ(StoredDword("ObjectCommunicatorPort"), 1500u);
    EXPECT_EQ(StoredText("ReaderId"), "");
    EXPECT_EQ(StoredText("PiccReaderId"), "Reader B");
    EXPECT_EQ(StoredText("ExtReaderId"), "");
    // The defaults of the values the dialog does not edit are written too.
    EXPECT_EQ(StoredText("PrinterName"), "Simulator");
    EXPECT_EQ(StoredText("StationName"), "STA1");
}

TEST_F(DialogTest, SaveKeepsTheUneditedValuesStoredSinceTheDialogOpened) {
    StoreText("PrinterName", "OLDNAME");
    StoreText("StationName", "STA1");
    OpenDialog();
    StoreText("PrinterName", "NEWNAME");
    StoreText("StationName", "STA9");
    StoreDword("RegisterByName", 1);
    StoreDword("SuppressDialogs", 7);
    Choose("contactList", "Reader A");
    Click("saveButton");
    EXPECT_EQ(StoredText("PrinterName"), "NEWNAME");
    EXPECT_EQ(StoredText("StationName"), "STA9");
    EXPECT_EQ(StoredDword("RegisterByName"), 1u);
    EXPECT_EQ(StoredDword("SuppressDialogs"), 7u);
    EXPECT_EQ(StoredText("ReaderId"), "Reader A");
}

TEST_F(DialogTest, SaveStoresAListWithoutSelectionAsEmpty) {
    StoreText("ReaderId", "Detached Reader");
    StoreText("PiccReaderId", "Reader B");
    OpenDialog();
    ASSERT_EQ(Selected("contactList"), "");
    Click("saveButton");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(StoredText("ReaderId"), "");
    EXPECT_EQ(StoredText("PiccReaderId"), "Reader B");
}

}  // namespace
}  // namespace station_test
