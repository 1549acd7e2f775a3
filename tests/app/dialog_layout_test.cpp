// How the keyboard and a screen reader reach every control, and the About box.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/about_dlg.h"
#include "app/station_strings.h"
#include "tests/app/dialog_fixture.h"
#include "tests/support/loopback.h"

namespace station_test {
namespace {

TEST_F(DialogTest, TabVisitsTheControlsInTemplateOrder) {
    OpenDialog();
    const char* const arrOrder[] = {
        "portEdit", "checkIfPresentButton", "registerButton", "contactList", "piccList",
        "extList",  "saveButton",           "cancelButton",   "octet1"};
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "octet1");
    for (const char* pszNext : arrOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), pszNext);
    }
    EXPECT_FALSE(Control<QPushButton>("saveButton").isDefault());
}

// With no server listening, both requests end at once in "unable to connect".
TEST_F(DialogTest, AcceleratorsPressTheirButtonsAndNoServerMeansNoConnection) {
    UINT nPort = 0;
    const SOCKET hBound = BindLoopback(nPort, true);
    StoreDword("ObjectCommunicatorPort", nPort);
    OpenDialog();
    Choose("contactList", "Reader A");
    // A mnemonic presses its button the way a click does, as a short animation.
    QTest::keyClick(m_pDialog.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Messages().size() == 1; }));
    QTest::keyClick(m_pDialog.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Messages().size() == 2; }));
    EXPECT_EQ(Messages(), (CStringArray{kMsgUnableToConnect, kMsgUnableToConnect}));
    QTest::keyClick(m_pDialog.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_pDialog->isVisible(); }));
    closesocket(hBound);
    EXPECT_EQ(m_pDialog->result(), QDialog::Accepted);
    EXPECT_EQ(StoredText("ReaderId"), "Reader A");
}

class ContextMenu : public DialogTest, public testing::WithParamInterface<const char*> {
protected:
    // What the platform sends for a right click on a label, for the Menu key to the focus
    // widget, and what Shift+F10 is.
    void Open() {
        const std::string strWay = GetParam();
        QWidget& label = Control<QLabel>("portLabel");
        QWidget& field = Control<QLineEdit>("octet1");
        const QPoint pt(2, 2);
        if (strWay == "RightClick") {
            QContextMenuEvent event(QContextMenuEvent::Mouse, pt, label.mapToGlobal(pt));
            QApplication::sendEvent(&label, &event);
        } else if (strWay == "MenuKey") {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, pt, field.mapToGlobal(pt));
            QApplication::sendEvent(&field, &event);
        } else {
            QTest::keyClick(&field, Qt::Key_F10, Qt::ShiftModifier);
        }
    }
};

TEST_P(ContextMenu, OffersTheAboutBox) {
    OpenDialog();
    Open();
    auto* pMenu = m_pDialog->findChild<QMenu*>();
    ASSERT_NE(pMenu, nullptr);
    ASSERT_EQ(pMenu->actions().size(), 1);
    EXPECT_EQ(pMenu->actions().front()->text(), kAboutBoxMenuItem);
    pMenu->actions().front()->trigger();

    auto* pAbout = m_pDialog->findChild<CAboutDlg*>();
    ASSERT_NE(pAbout, nullptr);
    EXPECT_TRUE(pAbout->isVisible() && pAbout->isModal());
    EXPECT_EQ(FindControl<QLabel>(*pAbout, "versionLabel").text(),
              "Configure Programming Station Version 2. 0. 0. 27");
    QTest::mouseClick(&FindControl<QPushButton>(*pAbout, "okButton"), Qt::LeftButton);
    EXPECT_FALSE(pAbout->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, ContextMenu, testing::Values("RightClick", "MenuKey", "ShiftF10"));

TEST_F(DialogTest, WindowIconHasThreeSizes) {
    OpenDialog();
    EXPECT_EQ(m_pDialog->windowIcon().availableSizes(),
              (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
}

}  // namespace
}  // namespace station_test
