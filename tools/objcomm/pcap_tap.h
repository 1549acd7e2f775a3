#pragma once
#include "objcomm/connection_tap.h"
#include "tools/objcomm/pcap_writer.h"

// Records one connection as the packets a capture on the wire would show: Ethernet, IPv4
// and TCP with the connection's real addresses and ports, the handshake, the data in
// segments of at most 1460 bytes, and the close. Sequence numbers start anywhere and run
// on consistently; the link addresses are made up, one for the side that connected and
// one for the side that accepted.
class CPcapTap : public CConnectionTap {
public:
    explicit CPcapTap(CPcapWriter& writer) : m_writer(writer) {}

    void Opened(const sockaddr_in& local, const sockaddr_in& peer, bool bActive) override;
    void Passed(bool bSent, const BYTE* pBytes, size_t nCount) override;
    void Closed(bool bPeerFirst) override;

private:
    struct CEnd {
        sockaddr_in address{};
        DWORD dwNextSeq = 0;
        BYTE nLinkId = 0;  // the last byte of its made-up link address
    };

    // One TCP segment from one end to the other, written to the capture.
    void Segment(bool bFromLocal, BYTE nFlags, const BYTE* pBytes = nullptr, size_t nCount = 0);

    CPcapWriter& m_writer;
    CEnd m_local, m_peer;
    bool m_bOpen = false;
};
