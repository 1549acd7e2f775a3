#include "tools/objcomm/pcap_tap.h"

#include <algorithm>
#include <initializer_list>
#include <random>

namespace {

constexpr BYTE kFin = 0x01;
constexpr BYTE kSyn = 0x02;
constexpr BYTE kPsh = 0x08;
constexpr BYTE kAck = 0x10;
constexpr size_t kMaxSegment = 1460;
constexpr size_t kIpHeader = 20;
constexpr size_t kTcpHeader = 20;
constexpr BYTE kProtocolTcp = 6;

// Byte by byte: GCC 12 at -O3 warns falsely about inserting a short list into a vector.
void AppendBytes(CByteArray& out, std::initializer_list<BYTE> bytes) {
    for (const BYTE nByte : bytes) out.push_back(nByte);
}

void AppendWord(CByteArray& out, WORD w) {
    out.push_back(static_cast<BYTE>(w >> 8));
    out.push_back(static_cast<BYTE>(w));
}

void AppendDWord(CByteArray& out, DWORD dw) {
    AppendWord(out, static_cast<WORD>(dw >> 16));
    AppendWord(out, static_cast<WORD>(dw));
}

// Bytes as they are in memory, as addresses and ports are kept in network order.
template <typename T>
void AppendRaw(CByteArray& out, const T& value) {
    const auto* p = reinterpret_cast<const BYTE*>(&value);
    for (size_t i = 0; i < sizeof value; ++i) out.push_back(p[i]);
}

// The one's complement sum of IP and TCP, over the bytes from nFrom on, on top of dwSum.
WORD InternetChecksum(const CByteArray& bytes, size_t nFrom, DWORD dwSum) {
    for (size_t i = nFrom; i < bytes.size(); i += 2) {
        dwSum += static_cast<DWORD>(bytes[i] << 8) + (i + 1 < bytes.size() ? bytes[i + 1] : 0);
    }
    while (dwSum >> 16) dwSum = (dwSum & 0xFFFF) + (dwSum >> 16);
    return static_cast<WORD>(~dwSum);
}

void PutWord(CByteArray& bytes, size_t nAt, WORD w) {
    bytes[nAt] = static_cast<BYTE>(w >> 8);
    bytes[nAt + 1] = static_cast<BYTE>(w);
}

void AppendLinkAddress(CByteArray& out, BYTE nLinkId) {
    AppendBytes(out, {0x02, 0x00, 0x00, 0x00, 0x00, nLinkId});
}

}  // namespace

void CPcapTap::Opened(const sockaddr_in& local, const sockaddr_in& peer, bool bActive) {
    std::random_device random;
    m_local = {local, random(), static_cast<BYTE>(bActive ? 1 : 2)};
    m_peer = {peer, random(), static_cast<BYTE>(bActive ? 2 : 1)};
    m_bOpen = true;
    Segment(bActive, kSyn);
    Segment(!bActive, kSyn | kAck);
    Segment(bActive, kAck);
}

void CPcapTap::Passed(bool bSent, const BYTE* pBytes, size_t nCount) {
    if (!m_bOpen) return;
    for (size_t nDone = 0; nDone < nCount;) {
        const size_t nPart = std::min(kMaxSegment, nCount - nDone);
        Segment(bSent, kPsh | kAck, pBytes + nDone, nPart);
        nDone += nPart;
    }
}

void CPcapTap::Closed(bool bPeerFirst) {
    if (!m_bOpen) return;
    const bool bLocalFirst = !bPeerFirst;
    Segment(bLocalFirst, kFin | kAck);
    Segment(!bLocalFirst, kFin | kAck);
    Segment(bLocalFirst, kAck);
    m_bOpen = false;
}

void CPcapTap::Segment(bool bFromLocal, BYTE nFlags, const BYTE* pBytes, size_t nCount) {
    CEnd& from = bFromLocal ? m_local : m_peer;
    const CEnd& to = bFromLocal ? m_peer : m_local;
    CByteArray packet;
    AppendLinkAddress(packet, to.nLinkId);
    AppendLinkAddress(packet, from.nLinkId);
    AppendWord(packet, 0x0800);  // IPv4

    const size_t nIp = packet.size();
    AppendBytes(packet, {0x45, 0x00});
    AppendWord(packet, static_cast<WORD>(kIpHeader + kTcpHeader + nCount));
    AppendDWord(packet, 0x00004000);  // no identification, don't fragment
    AppendBytes(packet, {64, kProtocolTcp, 0x00, 0x00});
    AppendRaw(packet, from.address.sin_addr);
    AppendRaw(packet, to.address.sin_addr);
    PutWord(packet, nIp + 10, InternetChecksum(packet, nIp, 0));

    const size_t nTcp = packet.size();
    AppendRaw(packet, from.address.sin_port);
    AppendRaw(packet, to.address.sin_port);
    AppendDWord(packet, from.dwNextSeq);
    AppendDWord(packet, (nFlags & kAck) ? to.dwNextSeq : 0);
    AppendBytes(packet, {static_cast<BYTE>(kTcpHeader / 4 << 4), nFlags});
    AppendDWord(packet, 0xFFFF0000);  // window, checksum to come
    AppendWord(packet, 0);            // urgent pointer
    packet.insert(packet.end(), pBytes, pBytes + nCount);
    // The pseudo header: both addresses, the protocol and the TCP length.
    DWORD dwPseudo = kProtocolTcp + static_cast<DWORD>(packet.size() - nTcp);
    for (size_t i = nIp + 12; i < nIp + 20; i += 2) dwPseudo += (packet[i] << 8) + packet[i + 1];
    PutWord(packet, nTcp + 16, InternetChecksum(packet, nTcp, dwPseudo));

    from.dwNextSeq += static_cast<DWORD>(nCount) + ((nFlags & (kSyn | kFin)) ? 1 : 0);
    m_writer.Write(packet);
}
