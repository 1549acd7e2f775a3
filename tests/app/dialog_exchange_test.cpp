// Starting the program, opening the dialog, the selection rules of the lists, the checks
// that guard every request, what Save writes, and the ways to close the dialog without writing.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>

#include "app/host_name.h"
#include "app/list_box.h"
#include "app/station_config_app.h"
#include "app/station_strings.h"
#include "tests/app/dialog_fixture.h"

namespace station_test {
namespace {

const char* const kLists[] = {"contactList", "piccList", "extList"};

CStringArray AddressFields(QWidget& dialog) {
    CStringArray arrFields;
    for (const char* pszField : {"octet1", "octet2", "octet3", "octet4"}) {
        arrFields.push_back(FindControl<QLineEdit>(dialog, pszField).text().toStdString());
    }
    return arrFields;
}

TEST_F(DialogTest, OpensWithTheDefaultsOfAnEmptyRegistryAndWritesNothing) {
    OpenDialog();
    EXPECT_EQ(AddressFields(*m_pDialog), (CStringArray{"127", "0", "0", "1"}));
    EXPECT_EQ(Control<QLineEdit>("portEdit").text(), "1500");
    EXPECT_TRUE(Control<QLineEdit>("portEdit").isReadOnly());
    EXPECT_EQ(Control<QLabel>("registrationLabel").text(), kRegistrationRequired);
    EXPECT_EQ(Control<QLabel>("computerName").text().toStdString(), GetHostComputerName(false));
    for (const char* pszList : kLists) {
        EXPECT_EQ(Entries(pszList), (CStringArray{"none", "Reader A", "Reader B"})) << pszList;
        EXPECT_EQ(Selected(pszList), "none") << pszList;
    }
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(RegistryUntouched());
}

struct SelectionCase {
    const char* pszStored;
    const char* pszSelected;  // "" for no selection
};

class StoredReader : public DialogTest, public testing::WithParamInterface<SelectionCase> {};

TEST_P(StoredReader, IsSelectedByTheStartOfItsNameIgnoringCase) {
    for (const char* pszValue : {"ReaderId", "PiccReaderId", "ExtReaderId"}) {
        StoreText(pszValue, GetParam().pszStored);
    }
    OpenDialog();
    for (const char* pszList : kLists) {
        EXPECT_EQ(Selected(pszList), GetParam().pszSelected) << pszList;
        EXPECT_EQ(Entries(pszList).size(), 3u) << "a stored name is never added";
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, StoredReader,
                         testing::Values(SelectionCase{"", "none"},
                                         SelectionCase{"Reader B", "Reader B"},
                                         SelectionCase{"reader b", "Reader B"},
                                         SelectionCase{"Reader", "Reader A"},
                                         SelectionCase{"Reader C", ""}));

TEST_F(DialogTest, UnparseableStoredAddressShowsZeros) {
    StoreText("ObjectCommunicatorIp", "256.1.1.1");
    OpenDialog();
    EXPECT_EQ(AddressFields(*m_pDialog), (CStringArray{"0", "0", "0", "0"}));
}

TEST_F(DialogTest, LongReaderNameCanBeScrolledIntoView) {
    m_readers.m_arrReaders = {CString(200, 'W')};
    OpenDialog();
    for (const char* pszList : kLists) {
        EXPECT_GT(Control<QListWidget>(pszList).horizontalScrollBar()->maximum(), 0) << pszList;
    }
}

struct PortCase {
    const char* pszShown;  // null: as loaded from the stored port
    DWORD dwStored;
    const char* pszMessage;
};

class PortCheck : public DialogTest, public testing::WithParamInterface<PortCase> {};

TEST_P(PortCheck, StopsSaveWithTheFrameworksMessage) {
    StoreDword("ObjectCommunicatorPort", GetParam().dwStored);
    OpenDialog();
    if (GetParam().pszShown) Control<QLineEdit>("portEdit").setText(GetParam().pszShown);
    Choose("contactList", "Reader A");
    Click("saveButton");
    EXPECT_EQ(Messages(), CStringArray{GetParam().pszMessage});
    EXPECT_TRUE(m_pDialog->isVisible());
    EXPECT_EQ(StoredText("ReaderId"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortCheck,
    testing::Values(PortCase{nullptr, 32001, "Please enter an integer between 1 and 32000."},
                    PortCase{"0", 1500, "Please enter an integer between 1 and 32000."},
                    PortCase{"15x0", 1500, "Please enter an unsigned integer."},
                    PortCase{"4294967296", 1500, "Please enter an unsigned integer."}));

TEST_F(DialogTest, SaveAndEnterValidateThenEnterClosesWithoutWriting) {
    OpenDialog();
    Click("saveButton");
    EXPECT_EQ(Messages(), CStringArray{kMsgNoProgrammingStation});
    ASSERT_TRUE(m_pDialog->isVisible());

    Choose("contactList", "Reader A");
    Choose("piccList", "Reader A");
    QTest::keyClick(&Control<QListWidget>("piccList"), Qt::Key_Return);
    EXPECT_EQ(Messages(), (CStringArray{kMsgNoProgrammingStation, kMsgSameStationReader}));
    ASSERT_TRUE(m_pDialog->isVisible());

    Choose("piccList", "Reader B");
    QTest::keyClick(&Control<QLineEdit>("octet2"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(m_pDialog->isVisible());
    EXPECT_EQ(m_pDialog->result(), QDialog::Accepted);
    EXPECT_TRUE(RegistryUntouched());
}

class Dismissal : public DialogTest, public testing::WithParamInterface<const char*> {
protected:
    void Dismiss() {
        const std::string strWay = GetParam();
        if (strWay == "Escape") QTest::keyClick(&Control<QListWidget>("extList"), Qt::Key_Escape);
        if (strWay == "Cancel") Click("cancelButton");
        if (strWay == "AltC") {
            QTest::keyClick(m_pDialog.get(), Qt::Key_C, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_pDialog->isVisible(); }));
        }
        if (strWay == "CloseBox") m_pDialog->close();
    }
};

TEST_P(Dismissal, ClosesWithoutWritingEvenWhenTheRulesFail) {
    OpenDialog();
    Choose("contactList", "Reader A");
    Choose("piccList", "Reader A");
    Dismiss();
    EXPECT_FALSE(m_pDialog->isVisible());
    EXPECT_EQ(m_pDialog->result(), QDialog::Rejected);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(RegistryUntouched());
}

INSTANTIATE_TEST_SUITE_P(Ways, Dismissal, testing::Values("Escape", "Cancel", "AltC", "CloseBox"));

// --- no click or key takes a reader list's selection away (Qt's own lists let each of
// these clear a single selection) ---

struct ListAction {
    const char* pszName;
    std::function<void(CListBox&)> act;
};

// A point of the list's blank area below its entries.
QPoint BelowTheEntries(CListBox& list) {
    const QPoint pt(4, list.viewport()->height() - 3);
    EXPECT_FALSE(list.indexAt(pt).isValid()) << "the entries fill the list";
    return pt;
}

QPoint OnTheSelection(CListBox& list) {
    return list.visualItemRect(list.item(list.GetCurSel())).center();
}

const ListAction kListActions[] = {
    {"Ctrl+click on the selected entry",
     [](CListBox& list) {
         QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                           OnTheSelection(list));
     }},
    {"Ctrl+Space",
     [](CListBox& list) { QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier); }},
    {"click below the entries",
     [](CListBox& list) {
         QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, BelowTheEntries(list));
     }},
    {"drag from the entry to below the entries",
     [](CListBox& list) {
         QTest::mousePress(list.viewport(), Qt::LeftButton, {}, OnTheSelection(list));
         QTest::mouseMove(list.viewport(), BelowTheEntries(list));
         QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, BelowTheEntries(list));
     }},
};

class ListSelection : public DialogTest, public testing::WithParamInterface<const char*> {};

TEST_P(ListSelection, StaysThroughEveryAttemptToRemoveIt) {
    OpenDialog();
    auto& list = Control<CListBox>(GetParam());
    for (const ListAction& action : kListActions) {
        Choose(GetParam(), "Reader A");
        action.act(list);
        EXPECT_NE(Selected(GetParam()), "") << action.pszName;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, ListSelection, testing::ValuesIn(kLists));

// --- what Save writes ---

struct TypedCase {
    const char* pszKeys;  // as TypeKeys takes them
    const char* pszStored;
};

void PrintTo(const TypedCase& c, std::ostream* pOut) {
    *pOut << "typed '" << QString(c.pszKeys).replace('\b', "\\b").toStdString() << "'";
}

class TypedAddress : public DialogTest, public testing::WithParamInterface<TypedCase> {};

// The control has the focus when the dialog opens, its first field selected.
TEST_P(TypedAddress, IsStoredAsTyped) {
    OpenDialog();
    TypeKeys(GetParam().pszKeys);
    Choose("contactList", "Reader A");
    Click("saveButton");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(StoredText("ObjectCommunicatorIp"), GetParam().pszStored);
}

// The stored address 127.0.0.1 is in the fields when typing starts.
INSTANTIATE_TEST_SUITE_P(
    Keys, TypedAddress,
    testing::Values(TypedCase{"192.168.1.20", "192.168.1.20"}, TypedCase{"10.1.2.3", "10.1.2.3"},
                    TypedCase{"1.2.3.4.", "1.2.3.4"},
                    TypedCase{"255.255.255.255", "255.255.255.255"},
                    TypedCase{"192168001020", "192.168.1.20"}, TypedCase{"300.1.2.3", "255.1.2.3"},
                    TypedCase{"\b.5", "5.0.0.1"}, TypedCase{"10.20\b\b\b5.6.7", "105.6.7.1"},
                    TypedCase{"1.2.3.4<<<<9", "1.29.3.4"}, TypedCase{"12>>9", "12.9.0.1"}));

TEST_F(DialogTest, SaveStoresTheChoicesWithNoneAsEmptyAndCloses) {
    OpenDialog();
    TypeKeys("192\b>0.10");
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

TEST_F(DialogTest, ReaderNameThatIsNoTextKeepsItsBytesIntoTheRegistryAndBack) {
    const CString strReader = "Bad\xff\xfeReader 00";
    m_readers.m_arrReaders = {"Bad\xfe\xffReader 00", strReader};
    OpenDialog();
    Choose("piccList", strReader);
    Click("saveButton");
    EXPECT_EQ(StoredText("PiccReaderId"), strReader);
    OpenDialog();
    EXPECT_EQ(Selected("piccList"), strReader);
}

struct UnwritableCase {
    const char* pszName;
    bool bDenied;  // else the file is no registry at all
    const char* pszMessage;
};

class UnwritableRegistry : public DialogTest, public testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableRegistry, SaveSaysSoAndKeepsTheDialogAndTheRegistryAsTheyWere) {
    if (GetParam().bDenied) {
        StoreText("ReaderId", "Reader A");
        DenyRegistryWrites();
    } else {
        WriteFileBytes(m_pRegistry->DatabasePath(), BytesOf("not a registry"));
    }
    const CByteArray before = ReadFileBytes(m_pRegistry->DatabasePath());
    OpenDialog();
    TypeKeys("10.1.2.3");
    Choose("contactList", "Reader B");
    Click("saveButton");
    EXPECT_EQ(Messages(), CStringArray{GetParam().pszMessage});
    EXPECT_TRUE(m_pDialog->isVisible());
    EXPECT_EQ(Selected("contactList"), "Reader B");
    EXPECT_EQ(AddressFields(*m_pDialog), (CStringArray{"10", "1", "2", "3"}));
    EXPECT_TRUE(ReadFileBytes(m_pRegistry->DatabasePath()) == before) << "the registry changed";
}

INSTANTIATE_TEST_SUITE_P(Ways, UnwritableRegistry,
                         testing::Values(UnwritableCase{"NotAllowed", true, kMsgSaveNotAllowed},
                                         UnwritableCase{"FileIsNoRegistry", false,
                                                        kMsgSaveFailed}));

TEST_F(DialogTest, FailedSocketStartUpShowsOneMessageAndTouchesNothing) {
    CStationConfigApp app([]() -> BOOL { return FALSE; });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(Messages(), CStringArray{kMsgSocketsInitFailed});
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](QWidget* pWindow) {
        return qobject_cast<CStationConfigDlg*>(pWindow) != nullptr;
    }));
    EXPECT_TRUE(RegistryUntouched());
}

}  // namespace
}  // namespace station_test
