#include "objcomm/contact/serial_port_response.h"

namespace {
constexpr CodeText kBaudRateCodes[] = {
    {0, "9.6kbps"}, {1, "19.2kbps"}, {2, "38.4kbps"}, {3, "57.6kbps"}, {4, "115.2kbps"},
};
constexpr CodeText kParityCodes[] = {{0, "None"}, {1, "Odd"}, {2, "Even"}};
constexpr CodeText kDataBitsCodes[] = {{0, "5 Bits"}, {1, "6 Bits"}, {2, "7 Bits"}, {3, "8 Bits"}};
constexpr CodeText kStopBitsCodes[] = {{0, "1 Bit"}, {1, "2 Bits"}, {2, "1.5 Bits"}};
constexpr CodeText kFlowControlCodes[] = {{0, "None"}, {1, "Hardware"}, {2, "Xon/Xoff"}};

constexpr CTextTable kBaudRates{kBaudRateCodes, kUnknownValue};
constexpr CTextTable kParities{kParityCodes, kUnknownValue};
constexpr CTextTable kDataBits{kDataBitsCodes, kUnknownValue};
constexpr CTextTable kStopBits{kStopBitsCodes, kUnknownValue};
constexpr CTextTable kFlowControls{kFlowControlCodes, kUnknownValue};
}  // namespace

CRspConfigSerialPort::CRspConfigSerialPort(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "Serial Port Configuration"}, kContactOrUnknownValue},
                           dwContext) {
    ReadFields(*this, payload);
}

void CRspConfigSerialPort::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_nBaudRate, 1, "Baud Rate Value", kBaudRates);
    visitor.Number(m_nParity, 1, "Parity", kParities);
    visitor.Number(m_nDataBits, 1, "Data bits", kDataBits);
    visitor.Number(m_nStopBits, 1, "Stop Bits", kStopBits);
    visitor.Number(m_nFlowControl, 1, "Flow Control", kFlowControls);
}
