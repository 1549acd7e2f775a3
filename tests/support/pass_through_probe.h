#pragma once
#include "objcomm/message.h"

namespace station_test {

// A pass-through request (sub-command 0x13) with no payload, in the short form: its frame
// is 0A 00 03 13, the two tag bytes, the checksum. Framing and the connection's choice of
// exchange tag show in it and nowhere else.
class CPassThroughProbe : public CObjCommMessage {
public:
    CPassThroughProbe() : CObjCommMessage(0) {}
    int GetCommand() override { return 10; }
    int GetSubCommand() override { return 0x13; }
    bool HasHeader() override { return false; }
    COutBinaryString GetData() override { return {}; }
    CStringArray& Describe() override { return m_arrDescribe; }

    CStringArray m_arrDescribe;
};

}  // namespace station_test
