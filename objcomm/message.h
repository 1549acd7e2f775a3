#pragma once
#include "objcomm/export.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// The identifier the station frames its requests with.
inline constexpr char kStationIdentifier[] = "0123456789ABCDEF";

// A request the station sends. BuildPacket wraps the payload of GetData in a frame.
class OBJCOMM_API CObjCommMessage {
public:
    // dwContext travels with the request; each request names the one the station sends it with.
    explicit CObjCommMessage(DWORD dwContext) : m_dwContext(dwContext) {}
    CObjCommMessage(const CObjCommMessage&) = delete;
    CObjCommMessage& operator=(const CObjCommMessage&) = delete;
    virtual ~CObjCommMessage() = default;

    // The command byte the request is framed with.
    virtual int GetCommand() = 0;
    // kNoSubCommand: the station's requests have none.
    virtual int GetSubCommand() = 0;
    // Whether BuildPacket frames the request in the long form, with the identifier.
    virtual bool HasHeader() { return true; }
    // The payload, the bytes between the frame's length and its checksum.
    virtual COutBinaryString GetData() = 0;
    // The request's fields as label/value texts; the list belongs to the request.
    virtual CStringArray& Describe() = 0;

    // Frames the request: long form with a 32-bit length when bLongLength is set, else the
    // long form with a 16-bit length or the short form as HasHeader says.
    void BuildPacket(COutBinaryString& out, WORD wTag, const CString& strIdentifier,
                     BOOL bLongLength);

    // The context the request was made with.
    const DWORD m_dwContext;
};
