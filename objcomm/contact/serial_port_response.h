#pragma once
#include "objcomm/destination_codes.h"
#include "objcomm/export.h"
#include "objcomm/shaped_response.h"

// The settings of the station's serial port, each a small index into its own table. Its
// baud rates are indices 0 to 4, unlike the card's FI/DI bytes of Set Baud Rate.
class OBJCOMM_API CRspConfigSerialPort : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x09;

    CRspConfigSerialPort(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The baud rate, an index from 0 to 4.
    int m_nBaudRate = 0;
    // The parity, an index into the port's parities.
    int m_nParity = 0;
    // The data bits, an index into the port's data bit counts.
    int m_nDataBits = 0;
    // The stop bits, an index into the port's stop bit counts.
    int m_nStopBits = 0;
    // The flow control, an index into the port's flow controls.
    int m_nFlowControl = 0;
};
