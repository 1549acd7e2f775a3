#include "tests/app/dialog_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <map>

#include "app/list_box.h"

namespace station_test {

namespace {

// The keys TypeKeys writes as one character, with their names on an X server.
const std::map<char, std::pair<Qt::Key, QString>> kSpecialKeys = {
    {'\b', {Qt::Key_Backspace, "BackSpace"}},
    {'<', {Qt::Key_Left, "Left"}},
    {'>', {Qt::Key_Right, "Right"}},
    {'.', {Qt::Key_Period, "period"}}};

// Keys from the X server arrive when they arrive; each one's release shows it was handled.
class CKeyReleaseCounter : public QObject {
public:
    int m_nReleased = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::KeyRelease &&
            !static_cast<QKeyEvent*>(pEvent)->isAutoRepeat()) {
            ++m_nReleased;
        }
        return false;
    }
};

void TypeThroughXServer(QWindow& window, const std::string& strKeys) {
    // One command, since "key" takes every argument after it as a key to press.
    QStringList arguments{"key", "--delay", "20"};
    for (const char c : strKeys) {
        const auto it = kSpecialKeys.find(c);
        arguments << (it != kSpecialKeys.end() ? it->second.second : QString(QChar(c)));
    }
    CKeyReleaseCounter counter;
    window.installEventFilter(&counter);
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    const int nKeys = static_cast<int>(strKeys.size());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.m_nReleased == nKeys; }, 10000))
        << counter.m_nReleased << " of " << nKeys << " keys arrived";
    // The events waited for above may already have reported its end.
    if (xdotool.state() != QProcess::NotRunning) xdotool.waitForFinished();
    EXPECT_EQ(xdotool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xdotool.exitCode(), 0);
    window.removeEventFilter(&counter);
}

}  // namespace

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

void DialogTest::TypeKeys(const std::string& strKeys) {
    if (QGuiApplication::platformName() == "xcb") {
        TypeThroughXServer(*m_pDialog->windowHandle(), strKeys);
        return;
    }
    for (const char c : strKeys) {
        const auto it = kSpecialKeys.find(c);
        if (it != kSpecialKeys.end()) {
            QTest::keyClick(QApplication::focusWidget(), it->second.first);
        } else {
            QTest::keyClick(QApplication::focusWidget(), c);
        }
    }
}

CStringArray DialogTest::Entries(const char* pszList) {
    auto& list = Control<CListBox>(pszList);
    CStringArray arrEntries;
    for (int i = 0; i < list.count(); ++i) arrEntries.push_back(list.GetText(i));
    return arrEntries;
}

}  // namespace station_test
