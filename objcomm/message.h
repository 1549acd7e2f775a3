#pragma once
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// The identifier the station frames its requests with.
inline constexpr char kStationIdentifier[] = "0123456789ABCDEF";

// A request the station sends. BuildPacket wraps the payload of GetData in a frame.
class CObjCommMessage {
public:
    explicit CObjCommMessage(DWORD dwContext) : m_dwContext(dwContext) {}
    CObjCommMessage(const CObjCommMessage&) = delete;
    CObjCommMessage& operator=(const CObjCommMessage&) = delete;
    virtual ~CObjCommMessage() = default;

    virtual int GetCommand() = 0;
    virtual int GetSubCommand() = 0;
    virtual bool HasHeader() { return true; }
    virtual COutBinaryString GetData() = 0;
    virtual CStringArray& Describe() = 0;

    // Frames the request: long form with a 32-bit length when bLongLength is set, else the
    // long form with a 16-bit length or the short form as HasHeader says.
    void BuildPacket(COutBinaryString& out, WORD wTag, const CString& strIdentifier,
                     BOOL bLongLength);

    const DWORD m_dwContext;
};
