#pragma once
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/message_box.h"
#include "app/station_config_dlg.h"
#include "tests/app/fake_smart_card_service.h"
#include "tests/registry/temp_registry.h"

namespace station_test {

// The test process's one QApplication, made on first use.
void EnsureApplication();

// Each test starts with an empty registry of its own, a message recorder and two attached
// readers, "Reader A" and "Reader B". The dialog opens when the test asks, so that it can
// store settings first.
class DialogTest : public testing::Test {
protected:
    void SetUp() override;

    CStationConfigDlg& OpenDialog();
    // The named child of the dialog; a test that names a missing one fails.
    template <typename T>
    T& Control(const char* pszName) {
        T* pControl = m_pDialog->findChild<T*>(pszName);
        if (!pControl) throw std::logic_error(std::string("no control named ") + pszName);
        return *pControl;
    }
    // Types into whatever has the focus: characters as they are, '\b' Backspace, '<' and '>'
    // the arrow keys. On a real X server the keys go through it (xdotool), else they are Qt
    // key events.
    void TypeKeys(const std::string& strKeys);
    CStringArray Entries(const char* pszList);
    const CStringArray& Messages() const { return m_pMessages->GetTexts(); }

    std::unique_ptr<CTempRegistry> m_pRegistry;
    std::unique_ptr<CMessageRecorder> m_pMessages;
    CFakeSmartCardService m_readers;
    // Where the dialog finds its readers: m_readers unless a test says otherwise.
    CSmartCardService* m_pReaderService = &m_readers;
    std::unique_ptr<CStationConfigDlg> m_pDialog;
};

}  // namespace station_test
