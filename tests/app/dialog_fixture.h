#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "app/message_box.h"
#include "app/station_config_dlg.h"
#include "tests/app/fake_smart_card_service.h"
#include "tests/registry/temp_registry.h"

// Failures show Qt texts as text.
inline void PrintTo(const QString& strText, std::ostream* pOut) {
    *pOut << strText.toStdString();
}

namespace station_test {

// The test process's one QApplication, made on first use.
void EnsureApplication();

// The named child of a window; a test that names a missing one fails.
template <typename T>
T& FindControl(QWidget& window, const char* pszName) {
    T* pControl = window.findChild<T*>(pszName);
    if (!pControl) throw std::logic_error(std::string("no control named ") + pszName);
    return *pControl;
}

// Each test starts with an empty registry of its own, a message recorder and two attached
// readers, "Reader A" and "Reader B". The dialog opens when the test asks, so that it can
// store settings first.
class DialogTest : public testing::Test {
protected:
    void SetUp() override;
    // Gives back the rights DenyRegistryWrites took, before the registry folder goes.
    ~DialogTest() override;

    CStationConfigDlg& OpenDialog();
    template <typename T>
    T& Control(const char* pszName) {
        return FindControl<T>(*m_pDialog, pszName);
    }
    // Clicks the entry of the list whose text is strEntry.
    void Choose(const char* pszList, const CString& strEntry,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(const char* pszButton);
    // Types into whatever has the focus: characters as they are, '\b' Backspace, '<' and '>'
    // the arrow keys. On a real X server the keys go through it (xdotool), else they are Qt
    // key events.
    void TypeKeys(const std::string& strKeys);
    // The texts of a list's entries, and of its selected one ("" without a selection).
    CStringArray Entries(const char* pszList);
    CString Selected(const char* pszList);
    const CStringArray& Messages() const { return m_pMessages->GetTexts(); }

    // From here to the end of the test the registry, which must exist, may be read but not
    // written, as for an operator outside the configure-station group.
    void DenyRegistryWrites();

    std::unique_ptr<CTempRegistry> m_pRegistry;
    std::unique_ptr<CMessageRecorder> m_pMessages;
    CFakeSmartCardService m_readers;
    // Where the dialog finds its readers: m_readers unless a test says otherwise.
    CSmartCardService* m_pReaderService = &m_readers;
    std::unique_ptr<CStationConfigDlg> m_pDialog;

private:
    bool m_bAsNobody = false;
};

}  // namespace station_test
