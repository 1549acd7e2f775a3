// Runs the dialog cases of cases/*.txt, each on a registry of its own with the readers
// "Reader A" and "Reader B". A case is a title line "=== TITLE" and then one step a line;
// lines starting with # are comments. A step is words apart by blanks; "..." makes blanks
// part of a word, \xHH is a byte and \b Backspace, and $HOST is this computer's name.
//   readers NAME...              the readers the dialog lists from now on
//   store NAME TEXT, store-number NAME N      a value of the station's settings
//   registry-file TEXT           the registry file holds TEXT and nothing else
//   deny-writes                  the registry may be read but not written from now on
//   serve OPTION..., listen, bind   objcomm serve, a socket that never accepts, or one
//                                that refuses, on a free port of 127.0.0.1 that is stored
//   open                         opens the dialog, with 300 ms to wait for a response
//   start-without-sockets        starts the program with a socket start-up that fails
//   type KEYS                    keys to the focus, '<' and '>' the arrow keys
//   set CONTROL PROPERTY TEXT    a control's property, as when the control cannot be typed into
//   press KEY [CONTROL]          a key as Qt writes it ("Alt+S", "Num+Enter"), to the focus
//   click BUTTON, pick LIST ENTRY [ctrl], click-below LIST, drag-below LIST, close
//   context-menu CONTROL mouse|keyboard, menu ENTRY   opens the menu; chooses its only entry
//   expect CONTROL PROPERTY VALUE, expect-focus CONTROL, expect-address A.B.C.D,
//   expect-entries LIST ENTRY..., expect-selected LIST ENTRY, expect-scrollable LIST,
//   expect-icon SIZE..., expect-closed accepted|rejected, expect-message TEXT,
//   expect-stored NAME TEXT, expect-stored-number NAME N, expect-request TEXT (in the next
//   line serve prints), expect-no-connection, expect-registry-unchanged (since the case
//   started or the dialog last opened)
// A case fails too when a message is left unexpected or the wait cursor stays.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/host_name.h"
#include "app/list_box.h"
#include "app/registry_values.h"
#include "app/station_config_app.h"
#include "app/station_settings.h"
#include "tests/app/dialog_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback.h"

namespace station_test {
namespace {

using namespace std::chrono_literals;
using Words = std::vector<std::string>;

struct CStep {
    int nLine;
    Words words;
};

struct CCase {
    std::string strName;
    std::string strFile;
    std::vector<CStep> steps;
};

void PrintTo(const CCase& c, std::ostream* pOut) {
    *pOut << c.strFile;
}

Words SplitWords(const std::string& strLine, const std::string& strHost) {
    Words words;
    bool bQuoted = false, bInWord = false;
    for (size_t i = 0; i < strLine.size(); ++i) {
        const char c = strLine[i];
        if (c == ' ' && !bQuoted) {
            bInWord = false;
            continue;
        }
        if (!bInWord) words.emplace_back();
        bInWord = true;
        unsigned char byte = 0;
        if (c == '"') {
            bQuoted = !bQuoted;
        } else if (strLine.compare(i, 2, "\\b") == 0) {
            words.back() += '\b';
            ++i;
        } else if (strLine.compare(i, 2, "\\x") == 0 && i + 4 <= strLine.size() &&
                   std::from_chars(&strLine[i + 2], &strLine[i + 4], byte, 16).ptr ==
                       &strLine[i + 4]) {
            words.back() += static_cast<char>(byte);
            i += 3;
        } else if (strLine.compare(i, 5, "$HOST") == 0) {
            words.back() += strHost;
            i += 4;
        } else {
            words.back() += c;
        }
    }
    return words;
}

std::vector<CCase> LoadCases() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(DIALOG_CASES_DIR)) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
    std::ranges::sort(files);
    const std::string strHost = GetHostComputerName(false);
    std::vector<CCase> cases;
    for (const std::filesystem::path& file : files) {
        std::ifstream input(file);
        std::string strLine;
        for (int nLine = 1; std::getline(input, strLine); ++nLine) {
            if (strLine.starts_with("=== ")) {
                std::string strName = file.stem().string() + "_" + strLine.substr(4);
                std::ranges::replace_if(
                    strName, [](unsigned char c) { return !std::isalnum(c); }, '_');
                cases.push_back({strName, file.string() + ":" + std::to_string(nLine), {}});
            } else if (!strLine.empty() && strLine[0] != '#' && !cases.empty()) {
                cases.back().steps.push_back({nLine, SplitWords(strLine, strHost)});
            }
        }
    }
    return cases;
}

CString StationValue(const std::string& strName) {
    return g_strStationKeyPath + strName;
}

class DialogCase : public DialogTest, public testing::WithParamInterface<CCase> {
protected:
    // Gives back the rights DenyRegistryWrites took, before the registry folder goes.
    ~DialogCase() override {
        if (m_hListener != INVALID_SOCKET) closesocket(m_hListener);
        if (m_bAsNobody && (seteuid(0) != 0 || setegid(0) != 0)) ADD_FAILURE() << "still nobody";
    }

    // Root ignores file modes, so as root the test process takes the identity of "nobody"
    // instead, its effective IDs only, which the destructor takes back.
    void DenyRegistryWrites() {
        constexpr uid_t kNobody = 65534;
        const bool bRoot = geteuid() == 0;
        ASSERT_EQ(chmod(m_pRegistry->Folder().c_str(), bRoot ? 0755 : 0555), 0);
        ASSERT_EQ(chmod(m_pRegistry->DatabasePath().c_str(), bRoot ? 0644 : 0444), 0);
        if (!bRoot) return;
        ASSERT_EQ(setegid(kNobody), 0);
        ASSERT_EQ(seteuid(kNobody), 0);
        m_bAsNobody = true;
    }

    std::optional<CByteArray> RegistryFile() const {
        if (!std::filesystem::exists(m_pRegistry->DatabasePath())) return std::nullopt;
        return ReadFileBytes(m_pRegistry->DatabasePath());
    }

    QWidget& Widget(const std::string& strName) {
        if (m_pDialog && m_pDialog->objectName() == strName.c_str()) return *m_pDialog;
        return Control<QWidget>(strName.c_str());
    }

    void StartServer(const Words& w) {
        UINT nPort = 0;
        m_hListener = BindLoopback(nPort, true);
        ASSERT_TRUE(WriteRegistryDword(StationValue("ObjectCommunicatorPort"), nPort));
        if (w[0] == "listen") {
            ASSERT_EQ(listen(m_hListener, 1), 0);
        }
        if (w[0] != "serve") return;
        closesocket(m_hListener);
        m_hListener = INVALID_SOCKET;
        const std::string strAddress = "127.0.0.1:" + std::to_string(nPort);
        Words argv{OBJCOMM_TOOL_PATH, "serve", "--listen", strAddress};
        argv.insert(argv.end(), w.begin() + 1, w.end());
        m_pServer = std::make_unique<CChildProcess>(argv, false);
        ASSERT_EQ(m_pServer->ReadLine(), "listening on " + strAddress);
    }

    void Open() {
        OpenDialog().SetReceiveTimeout(300ms);
        m_before = RegistryFile();
    }

    void StartWithoutSockets() {
        CStationConfigApp app([]() -> BOOL { return FALSE; });
        EXPECT_FALSE(app.InitInstance());
        const QWidgetList windows = QApplication::topLevelWidgets();
        EXPECT_TRUE(std::ranges::none_of(windows, [](QWidget* pWindow) {
            return qobject_cast<CStationConfigDlg*>(pWindow) != nullptr;
        }));
    }

    void Press(const Words& w) {
        const QKeyCombination key = QKeySequence::fromString(w[1].c_str())[0];
        QWidget* pTarget = w.size() > 2 ? &Widget(w[2]) : QApplication::focusWidget();
        QTest::keyClick(pTarget, key.key(), key.keyboardModifiers());
    }

    void Pick(const Words& w) {
        auto& list = Control<CListBox>(w.at(1).c_str());
        const CStringArray arrEntries = Entries(w[1].c_str());
        const auto it = std::ranges::find(arrEntries, w.at(2));
        ASSERT_NE(it, arrEntries.end()) << w[2];
        QListWidgetItem* pItem = list.item(static_cast<int>(it - arrEntries.begin()));
        list.scrollToItem(pItem);
        QTest::mouseClick(list.viewport(), Qt::LeftButton,
                          w.size() > 3 ? Qt::ControlModifier : Qt::NoModifier,
                          list.visualItemRect(pItem).center());
    }

    // A point of the list's blank area below its entries.
    static QPoint BelowTheEntries(CListBox& list) {
        const QPoint pt(4, list.viewport()->height() - 3);
        EXPECT_FALSE(list.indexAt(pt).isValid()) << "the entries fill the list";
        return pt;
    }

    void MouseBelow(const Words& w) {
        auto& list = Control<CListBox>(w[1].c_str());
        const QPoint ptBelow = BelowTheEntries(list);
        if (w[0] == "drag-below") {
            const QPoint ptFrom = list.visualItemRect(list.item(list.GetCurSel())).center();
            QTest::mousePress(list.viewport(), Qt::LeftButton, {}, ptFrom);
            QTest::mouseMove(list.viewport(), ptBelow);
            QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, ptBelow);
        } else {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ptBelow);
        }
    }

    void OpenContextMenu(const Words& w) {
        QWidget& control = Widget(w[1]);
        const QPoint pt(2, 2);
        QContextMenuEvent event(
            w[2] == "mouse" ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard, pt,
            control.mapToGlobal(pt));
        QApplication::sendEvent(&control, &event);
    }

    void ChooseMenu(const std::string& strEntry) {
        auto* pMenu = m_pDialog->findChild<QMenu*>();
        ASSERT_NE(pMenu, nullptr);
        ASSERT_EQ(pMenu->actions().size(), 1);
        EXPECT_EQ(pMenu->actions().front()->text().toStdString(), strEntry);
        pMenu->actions().front()->trigger();
    }

    void ExpectMessage(const std::string& strText) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return Messages().size() > m_nMessagesSeen; }));
        ASSERT_GT(Messages().size(), m_nMessagesSeen) << "no message";
        EXPECT_EQ(Messages()[m_nMessagesSeen++], strText);
    }

    void ExpectClosed(const std::string& strResult) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_pDialog->isVisible(); }));
        EXPECT_EQ(m_pDialog->result(),
                  strResult == "accepted" ? QDialog::Accepted : QDialog::Rejected);
    }

    std::string Text(const std::string& strControl) {
        return Widget(strControl).property("text").toString().toStdString();
    }

    std::string Address() {
        return Text("octet1") + "." + Text("octet2") + "." + Text("octet3") + "." + Text("octet4");
    }

    CStringArray IconSizes() const {
        CStringArray arrSizes;
        for (const QSize& size : m_pDialog->windowIcon().availableSizes()) {
            arrSizes.push_back(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        }
        return arrSizes;
    }

    // The property's value may come with a button's animated click.
    void ExpectProperty(const Words& w) {
        const auto value = [&] { return Widget(w.at(1)).property(w.at(2).c_str()).toString(); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return value().toStdString() == w.at(3); }, 1000))
            << w[1] << " " << w[2] << " is " << value().toStdString();
    }

    void Run(const Words& w) {
        const std::string& strStep = w[0];
        const Words rest(w.begin() + 1, w.end());
        if (strStep == "readers") {
            m_readers.m_arrReaders = rest;
        } else if (strStep == "store") {
            ASSERT_TRUE(WriteRegistryString(StationValue(w.at(1)), w.at(2), false));
        } else if (strStep == "store-number") {
            ASSERT_TRUE(WriteRegistryDword(StationValue(w.at(1)), std::stoul(w.at(2))));
        } else if (strStep == "registry-file") {
            WriteFileBytes(m_pRegistry->DatabasePath(), BytesOf(w.at(1)));
        } else if (strStep == "deny-writes") {
            DenyRegistryWrites();
        } else if (strStep == "serve" || strStep == "listen" || strStep == "bind") {
            StartServer(w);
        } else if (strStep == "open") {
            Open();
        } else if (strStep == "start-without-sockets") {
            StartWithoutSockets();
        } else if (strStep == "type") {
            TypeKeys(w.at(1));
        } else if (strStep == "press") {
            Press(w);
        } else if (strStep == "click") {
            QTest::mouseClick(&Control<QPushButton>(w.at(1).c_str()), Qt::LeftButton);
        } else if (strStep == "pick") {
            Pick(w);
        } else if (strStep == "click-below" || strStep == "drag-below") {
            MouseBelow(w);
        } else if (strStep == "close") {
            m_pDialog->close();
        } else if (strStep == "context-menu") {
            OpenContextMenu(w);
        } else if (strStep == "menu") {
            ChooseMenu(w.at(1));
        } else if (strStep == "set") {
            Widget(w.at(1)).setProperty(w.at(2).c_str(), QString::fromStdString(w.at(3)));
        } else if (strStep == "expect") {
            ExpectProperty(w);
        } else if (strStep == "expect-focus") {
            EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), w.at(1));
        } else if (strStep == "expect-address") {
            EXPECT_EQ(Address(), w.at(1));
        } else if (strStep == "expect-entries") {
            EXPECT_EQ(Entries(w.at(1).c_str()), Words(w.begin() + 2, w.end()));
        } else if (strStep == "expect-selected") {
            auto& list = Control<CListBox>(w.at(1).c_str());
            EXPECT_EQ(list.GetText(list.GetCurSel()), w.at(2));
        } else if (strStep == "expect-scrollable") {
            EXPECT_GT(Control<QListWidget>(w.at(1).c_str()).horizontalScrollBar()->maximum(), 0);
        } else if (strStep == "expect-icon") {
            EXPECT_EQ(IconSizes(), rest);
        } else if (strStep == "expect-closed") {
            ExpectClosed(w.at(1));
        } else if (strStep == "expect-message") {
            ExpectMessage(w.at(1));
        } else if (strStep == "expect-stored") {
            EXPECT_EQ(ReadRegistryString(StationValue(w.at(1))), w.at(2));
        } else if (strStep == "expect-stored-number") {
            EXPECT_EQ(ReadRegistryDword(StationValue(w.at(1))), std::stoul(w.at(2)));
        } else if (strStep == "expect-request") {
            EXPECT_NE(m_pServer->ReadLine().find(w.at(1)), std::string::npos) << w.at(1);
        } else if (strStep == "expect-no-connection") {
            EXPECT_FALSE(WaitForSocket(m_hListener, false, SocketDeadline(0ms)));
        } else if (strStep == "expect-registry-unchanged") {
            EXPECT_TRUE(RegistryFile() == m_before) << "the registry changed";
        } else {
            ADD_FAILURE() << "no step " << strStep;
        }
    }

    SOCKET m_hListener = INVALID_SOCKET;
    std::unique_ptr<CChildProcess> m_pServer;
    std::optional<CByteArray> m_before;
    bool m_bAsNobody = false;
    size_t m_nMessagesSeen = 0;
};

TEST_P(DialogCase, Runs) {
    m_before = RegistryFile();
    for (const CStep& step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "line " << step.nLine << ": " << step.words[0]);
        Run(step.words);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(Messages().size(), m_nMessagesSeen) << "a message came that no step expects";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogCase, testing::ValuesIn(LoadCases()),
                         [](const auto& info) { return info.param.strName; });

}  // namespace
}  // namespace station_test
