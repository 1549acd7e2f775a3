#pragma once
#include <array>

#include "objcomm/export.h"
#include "objcomm/pass_through_response.h"

// Sets the card's baud rate when the data length is 1, else issues a PPS ("Issue PPS"):
// then five bytes follow whatever the length claims, and all four PPS bytes travel though
// PPS0 says which of PPS1 to PPS3 mean anything.
class OBJCOMM_API CRspSetBaudRate : public CPassThroughResponse {
public:
    static constexpr int kSubCommand = 0x03;

    CRspSetBaudRate(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    // The PPS form shows its protocol selection alone, where a label would stand.
    CArray<int> GetLoneEntries() override;
    COutBinaryString GetData() override;

    // The contact reader.
    int m_nDestination;
    // Whether the response issues a PPS rather than setting the baud rate.
    bool m_bPPS = false;
    // The baud rate byte (FI/DI) to set, when it is not a PPS.
    int m_nBaudRate = 0;
    // The protocol a PPS selects: 0x00 T=0, 0x01 T=1, 0xFF the current one.
    int m_nProtocol = 0;
    std::array<BYTE, 4> m_arrPPS{};  // PPS0 to PPS3
};
