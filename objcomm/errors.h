#pragma once
// Exceptions of the protocol layer, all thrown by value. The format errors carry no text:
// a catcher tells them apart by type.

// A read passed the end of a byte string; m_nPos is where the failed read was attempted.
struct CInBinaryStringException {
    int m_nPos;
};

class CPassThruFormatError {
public:
    virtual ~CPassThruFormatError() = default;
};
class CPassThruParseError : public CPassThruFormatError {};
class CPassThruChecksumError : public CPassThruFormatError {};
class CPassThruCmdUnknown : public CPassThruFormatError {};
class CPassThruSubCmdUnknown : public CPassThruFormatError {};
