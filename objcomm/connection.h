#pragma once
#include <chrono>

#include "objcomm/connection_tap.h"
#include "objcomm/export.h"
#include "objcomm/message.h"
#include "objcomm/response.h"
#include "platform/sockets.h"
#include "platform/types.h"

// The station's TCP link to the Object Communicator: one framed request out, one frame back
// through the response factory. It knows where a frame ends, not what it means.
class OBJCOMM_API CObjCommConnection {
public:
    // The peer closed the connection before a whole frame arrived.
    struct CSocketClosed {};

    // How long Connect waits unless SetTimeouts says otherwise.
    static constexpr std::chrono::milliseconds kDefaultConnectTimeout{5000};
    // How long each Receive waits unless SetTimeouts says otherwise.
    static constexpr std::chrono::milliseconds kDefaultReceiveTimeout{15000};
    // As a time-out: wait without limit.
    static constexpr std::chrono::milliseconds kNoTimeout{-1};
    // A longer declared body is refused before anything is sized by it.
    static constexpr DWORD kMaxBodyLength = 16u << 20;

    CObjCommConnection() = default;
    // Takes over a socket that is already connected; the simulated server reads its
    // requests through one.
    explicit CObjCommConnection(SOCKET hConnected);
    CObjCommConnection(const CObjCommConnection&) = delete;
    CObjCommConnection& operator=(const CObjCommConnection&) = delete;
    ~CObjCommConnection();

    // strIp is dotted IPv4 text; no name is looked up. An address of 0.0.0.0/8 fails
    // without a connection attempt.
    BOOL Connect(const CString& strIp, UINT nPort);
    // Whether a connection is open.
    BOOL IsConnected() const { return m_bConnected; }
    // Frames the request (CObjCommMessage::BuildPacket, with the tag GetTag returns) and sends it;
    // FALSE when there is no connection or it would not take the whole frame.
    BOOL Send(CObjCommMessage& request, const CString& strIdentifier, BOOL bLongLength);
    // The next frame as a response the caller owns, or null when the peer closed (or the
    // receive time-out passed) before a whole frame arrived. The factory's format errors
    // pass through, as does CPassThruParseError for a body longer than kMaxBodyLength; that
    // one also closes the connection (tag 0), so every later Receive returns null.
    CObjCommResponse* Receive(DWORD dwContext);

    // Each Receive gets the whole receive time-out, however the frame trickles in.
    void SetTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds receive);
    // Whether the last Receive came back empty because its time ran out.
    bool ReceiveTimedOut() const { return m_bTimedOut; }
    // The exchange tag of the last frame received, which Send frames the next request with.
    DWORD GetTag() const { return m_dwTag; }
    // recv calls made so far; frames arrive through a buffer, so usually one per frame.
    size_t GetRecvCalls() const { return m_nRecvCalls; }

    // Sends bytes as they are; FALSE when there is no connection or it would not take them all.
    BOOL SendBuffer(const CByteArray& bytes);
    // Exactly one frame's bytes into packet; bytes that came after it stay for the next
    // call. FALSE when the peer closed first or the time ran out.
    BOOL ReceivePacket(CByteArray& packet);

    // Shows the traffic from now on to pTap (null: to nobody), which must outlive the
    // connection or be replaced first. An open connection is reported open at once.
    void SetTap(CConnectionTap* pTap);

private:
    // The bytes of the frame being received, as the frame reader asks for them.
    friend struct CReceivedFrame;

    // Waits until the first nCount bytes of the frame are buffered, reading the socket as
    // often as it takes.
    void BufferFrameBytes(size_t nCount);
    void FillBuffer();
    // Gives the next recv what is left of this Receive's time; false when nothing is.
    bool ArmReceiveTimeout();
    // Closes the socket and forgets the tag and every buffered byte.
    void Abandon();
    void DropBuffered();
    // Closes the socket of an open connection, telling the tap.
    void CloseSocket();
    // Tells the tap that the connection is open.
    void ReportOpened(bool bActive);

    BOOL m_bConnected = FALSE;
    SOCKET m_hSocket = INVALID_SOCKET;
    DWORD m_dwTag = 0;

    std::chrono::milliseconds m_connectTimeout = kDefaultConnectTimeout;
    std::chrono::milliseconds m_receiveTimeout = kDefaultReceiveTimeout;
    SocketClock::time_point m_receiveDeadline;
    bool m_bReceiveStarted = false;  // a recv of this Receive has been made
    // What the socket holds as its recv time-out, so that it is set only when it changes.
    std::chrono::milliseconds m_socketRecvTimeout = kNoTimeout;
    bool m_bTimedOut = false;
    // A recv found the end of the peer's stream. Kept beside the flag above, in what was
    // padding: the class keeps the layout programs built against libobjcomm.so.2 allocate.
    bool m_bPeerClosed = false;
    size_t m_nRecvCalls = 0;

    // Received bytes: the frame being read starts at m_nFrameStart, and up to m_nFilled is
    // what arrived. The array grows only when full of arrived bytes.
    CByteArray m_arrBuffer;
    size_t m_nFrameStart = 0;
    size_t m_nFilled = 0;
};
