#include "tests/app/dialog_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "app/list_box.h"
#include "app/registry_values.h"
#include "app/station_settings.h"

namespace station_test {

void EnsureApplication() {
    static int argc = 1;
    static char szName[] = "configure-station-test";
    static char* argv[] = {szName, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

void DialogTest::SetUp() {
    EnsureApplication();
    m_pRegistry = std::make_unique<CTempRegistry>();
    m_pMessages = std::make_unique<CMessageRecorder>();
    m_readers = CFakeSmartCardService({"Reader A", "Reader B"});
}

CStationConfigDlg& DialogTest::OpenDialog() {
    m_pDialog = std::make_unique<CStationConfigDlg>(*m_pReaderService);
    m_pDialog->show();
    m_pDialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_pDialog.get()));
    return *m_pDialog;
}

void DialogTest::Choose(const char* pszList, const CString& strEntry) {
    auto& list = Control<CListBox>(pszList);
    const CStringArray arrEntries = Entries(pszList);
    const auto it = std::find(arrEntries.begin(), arrEntries.end(), strEntry);
    ASSERT_NE(it, arrEntries.end()) << strEntry;
    QListWidgetItem* pItem = list.item(static_cast<int>(it - arrEntries.begin()));
    list.scrollToItem(pItem);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(pItem).center());
}

void DialogTest::Click(const char* pszButton) {
    QTest::mouseClick(&Control<QPushButton>(pszButton), Qt::LeftButton);
}

CStringArray DialogTest::Entries(const char* pszList) {
    auto& list = Control<CListBox>(pszList);
    CStringArray arrEntries;
    for (int i = 0; i < list.count(); ++i) arrEntries.push_back(list.GetText(i));
    return arrEntries;
}

CString DialogTest::Selected(const char* pszList) {
    auto& list = Control<CListBox>(pszList);
    return list.GetText(list.GetCurSel());
}

void DialogTest::StoreText(const char* pszValue, const CString& strText) {
    ASSERT_TRUE(WriteRegistryString(g_strStationKeyPath + pszValue, strText, false));
}

void DialogTest::StoreDword(const char* pszValue, DWORD dwValue) {
    ASSERT_TRUE(WriteRegistryDword(g_strStationKeyPath + pszValue, dwValue));
}

CString DialogTest::StoredText(const char* pszValue) {
    return ReadRegistryString(g_strStationKeyPath + pszValue);
}

DWORD DialogTest::StoredDword(const char* pszValue) {
    return ReadRegistryDword(g_strStationKeyPath + pszValue);
}

bool DialogTest::RegistryUntouched() const {
    return !std::filesystem::exists(m_pRegistry->DatabasePath());
}

}  // namespace station_test
