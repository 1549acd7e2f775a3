#pragma once
#include <array>

#include "objcomm/pass_through_response.h"

// Sets the card's baud rate when the data length is 1, else issues a PPS ("Issue PPS"):
// then five bytes follow whatever the length claims, and all four PPS bytes travel though
// PPS0 says which of PPS1 to PPS3 mean anything.
class CRspSetBaudRate : public CPassThroughResponse {
public:
    static constexpr int kSubCommand = 0x03;

    CRspSetBaudRate(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    // The PPS form shows its protocol selection alone, where a label would stand.
    CArray<int> GetLoneEntries() override;
    COutBinaryString GetData() override;

    int m_nDestination;
    bool m_bPPS = false;
    int m_nBaudRate = 0;
    int m_nProtocol = 0;
    std::array<BYTE, 4> m_arrPPS{};  // PPS0 to PPS3
};
