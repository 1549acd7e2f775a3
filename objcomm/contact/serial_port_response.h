#pragma once
#include "objcomm/station/destination_codes.h"
#include "objcomm/station/field_list_response.h"

// The settings of the station's serial port, each a small index into its own table. Its
// baud rates are indices 0 to 4, unlike the card's FI/DI bytes of Set Baud Rate.
extern const CTextTable kSerialBaudRates;
extern const CTextTable kSerialParities;
extern const CTextTable kSerialDataBits;
extern const CTextTable kSerialStopBits;
extern const CTextTable kSerialFlowControls;

class CRspConfigSerialPort : public CDestinationResponse {
public:
    CRspConfigSerialPort(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x09, "Serial Port Configuration", kContactOrUnknownValue}) {}

    CValueField<int> m_nBaudRate{*this, "Baud Rate Value", kSerialBaudRates};
    CValueField<int> m_nParity{*this, "Parity", kSerialParities};
    CValueField<int> m_nDataBits{*this, "Data bits", kSerialDataBits};
    CValueField<int> m_nStopBits{*this, "Stop Bits", kSerialStopBits};
    CValueField<int> m_nFlowControl{*this, "Flow Control", kSerialFlowControls};
};
