#pragma once
#include "objcomm/destination_codes.h"
#include "objcomm/shaped_response.h"

// The settings of the station's serial port, each a small index into its own table. Its
// baud rates are indices 0 to 4, unlike the card's FI/DI bytes of Set Baud Rate.
class CRspConfigSerialPort : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x09;

    CRspConfigSerialPort(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nBaudRate = 0;
    int m_nParity = 0;
    int m_nDataBits = 0;
    int m_nStopBits = 0;
    int m_nFlowControl = 0;
};
