#include "tests/app/pcscd_fixture.h"

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/pcsc_lite_service.h"

namespace station_test {

namespace {
// Installed by the vsmartcard-vpcd package.
constexpr const char* kVpcdDriver = "/usr/lib/pcsc/drivers/serial/libifdvpcd.so";
}  // namespace

void PcscdTest::SetUp() {
    DialogTest::SetUp();
    m_pReaderService = &PcscLiteService();
    m_strFolder = "/tmp/station-pcscd-" + std::to_string(getpid());
    std::filesystem::remove_all(m_strFolder);
    std::filesystem::create_directory(m_strFolder);
    setenv("PCSCLITE_CSOCK_NAME", (m_strFolder + "/pcscd.comm").c_str(), 1);
}

void PcscdTest::TearDown() {
    StopService();
    std::filesystem::remove_all(m_strFolder);
}

void PcscdTest::StartService(bool bVirtualReaders) {
    std::ofstream conf(m_strFolder + "/reader.conf");
    if (bVirtualReaders) {
        m_pCards = std::make_unique<CVirtualCardPeer>();
        conf << "FRIENDLYNAME \"Virtual PCD\"\n"
             << "DEVICENAME 127.0.0.1:" << m_pCards->GetPort() << "\n"
             << "LIBPATH " << kVpcdDriver << "\n"
             << "CHANNELID 0\n";
    }
    conf.close();
    // The activator reports on standard error once the socket accepts clients.
    const std::string strCommand = "exec systemd-socket-activate -l '" + m_strFolder +
                                   "/pcscd.comm' /usr/sbin/pcscd -f -c '" + m_strFolder +
                                   "/reader.conf' 2>&1";
    m_pService = std::make_unique<CChildProcess>(
        std::vector<std::string>{"/bin/sh", "-c", strCommand}, false);
    const std::string strLine = m_pService->ReadLine();
    ASSERT_EQ(strLine.rfind("Listening on ", 0), 0u) << strLine;
}

void PcscdTest::StopService() {
    if (!m_pService) return;
    // pcscd removes its run files when asked to end, not when killed.
    m_pService->Signal(SIGTERM);
    m_pService->Wait();
    m_pService.reset();
    m_pCards.reset();
    std::filesystem::remove(m_strFolder + "/pcscd.comm");
}

}  // namespace station_test
