// The two buttons that talk to the Object Communicator, against objcomm serve.
#include <QGuiApplication>
#include <QLabel>
#include <chrono>

#include "app/host_name.h"
#include "app/station_strings.h"
#include "tests/app/dialog_fixture.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback.h"

namespace station_test {
namespace {

using namespace std::chrono_literals;

// A fresh objcomm serve with the options of the test, and the dialog set to its address
// with a short wait for responses and a valid choice of readers.
class ServerActionTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        UINT nPort = 0;
        closesocket(BindLoopback(nPort, true));
        const std::string strAddress = "127.0.0.1:" + std::to_string(nPort);
        std::vector<std::string> argv{OBJCOMM_TOOL_PATH, "serve", "--listen", strAddress};
        const std::vector<std::string> options = ServerOptions();
        argv.insert(argv.end(), options.begin(), options.end());
        m_pServer = std::make_unique<CChildProcess>(argv, false);
        ASSERT_EQ(m_pServer->ReadLine(), "listening on " + strAddress);
        StoreText("ObjectCommunicatorIp", "127.0.0.1");
        StoreDword("ObjectCommunicatorPort", nPort);
        OpenDialog().SetReceiveTimeout(300ms);
        Choose("contactList", "Reader A");
    }

    virtual std::vector<std::string> ServerOptions() const { return {}; }

    // What the server printed about the request it received last.
    std::string ReceivedRequest() { return m_pServer->ReadLine(); }
    QString Label() { return Control<QLabel>("registrationLabel").text(); }

    std::unique_ptr<CChildProcess> m_pServer;
};

struct AnswerCase {
    const char* pszName;
    std::vector<std::string> serverOptions;
    const char* pszButton;
    const char* pszMessage;
};

class ServerAnswer : public ServerActionTest, public testing::WithParamInterface<AnswerCase> {
protected:
    std::vector<std::string> ServerOptions() const override { return GetParam().serverOptions; }
};

TEST_P(ServerAnswer, ShowsItsMessageAndStoresNothing) {
    Click(GetParam().pszButton);
    EXPECT_EQ(Messages(), CStringArray{GetParam().pszMessage});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
    EXPECT_TRUE(m_pDialog->isVisible());
    EXPECT_EQ(StoredText("PrinterName"), "");
    EXPECT_EQ(Label(), kRegistrationRequired);
}

const char* const kCheck = "checkIfPresentButton";
const char* const kRegister = "registerButton";

INSTANTIATE_TEST_SUITE_P(
    Answers, ServerAnswer,
    testing::Values(
        AnswerCase{"Responding", {}, kCheck, kMsgResponding},
        AnswerCase{"CheckError93",
                   {"--reply", "error:93"},
                   kCheck,
                   "Object Communicator responded with error 0x93."},
        AnswerCase{"RegisterError93",
                   {"--reply", "error:93"},
                   kRegister,
                   "Object Communicator responded with error 0x93."},
        AnswerCase{
            "CheckGetsRegisterResponse", {"--reply", "swap"}, kCheck, kMsgUnexpectedResponse},
        AnswerCase{
            "RegisterGetsHealthResponse", {"--reply", "swap"}, kRegister, kMsgUnexpectedResponse},
        AnswerCase{"BadChecksum", {"--fault", "corrupt"}, kCheck, kMsgMalformedResponse},
        AnswerCase{
            "CloseWithoutAnswer", {"--fault", "close"}, kRegister, kMsgClosedWithoutResponse},
        AnswerCase{"Silence", {"--fault", "silent"}, kCheck, kMsgNoResponseInTime}),
    CCaseName());

TEST_F(ServerActionTest, RegisterStoresTheHostNameAndRelabelsWithoutAMessage) {
    const std::string strHost = GetHostComputerName(false);
    Click(kRegister);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(StoredText("PrinterName"), strHost);
    EXPECT_EQ(StoredDword("RegisterByName"), 1u);
    EXPECT_EQ(Label(), kRegisteredAsComputerName);
    // Register saves the registration and nothing else.
    EXPECT_EQ(StoredText("ReaderId"), "");
    EXPECT_NE(ReceivedRequest().find("id=0123456789ABCDEF; Command: Register Device Name; "
                                     "Over Write Name Settings: Over write name and use pseudo "
                                     "IP; Old Personalization Device Name: Simulator; "
                                     "Personalization Device Name: " +
                                     strHost + "; Sequence number of Module 0: 01"),
              std::string::npos);

    Click(kRegister);
    EXPECT_NE(ReceivedRequest().find("Old Personalization Device Name: " + strHost +
                                     "; Personalization Device Name: " + strHost + ";"),
              std::string::npos);
}

TEST_F(ServerActionTest, RegistrationThatCannotBeStoredIsToldAndTheLabelStays) {
    DenyRegistryWrites();
    const CByteArray before = ReadFileBytes(m_pRegistry->DatabasePath());
    Click(kRegister);
    EXPECT_EQ(Messages(), CStringArray{kMsgRegistrationNotAllowed});
    EXPECT_EQ(Label(), kRegistrationRequired);
    EXPECT_TRUE(ReadFileBytes(m_pRegistry->DatabasePath()) == before) << "the registry changed";
}

// A local server listens, but nothing may reach it: the rules stop the request first, and
// 0.0.0.0, which a stored address that does not parse shows, would be this very host.
struct NoConnectionCase {
    const char* pszName;
    const char* pszStoredIp;
    const char* pszPiccReader;
    const char* pszMessage;
};

class NoConnection : public DialogTest,
                     public testing::WithParamInterface<std::tuple<NoConnectionCase, const char*>> {
};

TEST_P(NoConnection, ReachesTheLocalServer) {
    const auto& [c, pszButton] = GetParam();
    UINT nPort = 0;
    const SOCKET hListener = BindLoopback(nPort, true);
    ASSERT_EQ(listen(hListener, 1), 0);
    StoreDword("ObjectCommunicatorPort", nPort);
    StoreText("ObjectCommunicatorIp", c.pszStoredIp);
    OpenDialog();
    Choose("contactList", "Reader A");
    Choose("piccList", c.pszPiccReader);
    Click(pszButton);
    EXPECT_EQ(Messages(), CStringArray{c.pszMessage});
    EXPECT_FALSE(WaitForSocket(hListener, false, SocketDeadline(0ms))) << "a connection came";
    closesocket(hListener);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, NoConnection,
    testing::Combine(testing::Values(NoConnectionCase{"BrokenRule", "127.0.0.1", "Reader A",
                                                      kMsgSameStationReader},
                                     NoConnectionCase{"ZeroAddress", "0.0.0.0", "none",
                                                      kMsgUnableToConnect}),

                     testing::Values(kCheck, kRegister)));

}  // namespace
}  // namespace station_test
