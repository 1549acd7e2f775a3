#pragma once
// Exceptions of the protocol layer, all thrown by value. The format errors carry no text:
// a catcher tells them apart by type.
#include "objcomm/export.h"

// A read passed the end of a byte string; m_nPos is where the failed read was attempted.
struct OBJCOMM_API CInBinaryStringException {
    // The position of the read that failed.
    int m_nPos;
};

// A frame the response factory rejects; the derived class says why. CPassThruParseError: the frame
// is malformed (a bad length, a bad tag, a body over the limit); CPassThruChecksumError: its
// checksum does not match; CPassThruCmdUnknown and CPassThruSubCmdUnknown: no class answers its
// command or sub-command.
class OBJCOMM_API CPassThruFormatError {
public:
    virtual ~CPassThruFormatError() = default;
};
class OBJCOMM_API CPassThruParseError : public CPassThruFormatError {};
class OBJCOMM_API CPassThruChecksumError : public CPassThruFormatError {};
class OBJCOMM_API CPassThruCmdUnknown : public CPassThruFormatError {};
class OBJCOMM_API CPassThruSubCmdUnknown : public CPassThruFormatError {};
