#pragma once
#include <memory>
#include <string>

#include "tests/app/dialog_fixture.h"
#include "tests/support/child_process.h"
#include "tools/virtualcards/virtual_card_peer.h"

namespace station_test {

// A PC/SC service of the test's own: pcscd started on demand through systemd-socket-activate,
// with its socket and reader configuration in a folder of its own, and the dialog using it
// through pcsc-lite. pcsc-lite reads PCSCLITE_CSOCK_NAME once per process, so the socket's
// path stays the same for every test of the process while the folder is made afresh.
class PcscdTest : public DialogTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the service; with bVirtualReaders it has the vpcd driver's two readers, each
    // connected to a fresh CVirtualCardPeer, else no reader at all.
    void StartService(bool bVirtualReaders);
    void StopService();

private:
    std::string m_strFolder;
    std::unique_ptr<CVirtualCardPeer> m_pCards;
    std::unique_ptr<CChildProcess> m_pService;
};

}  // namespace station_test
