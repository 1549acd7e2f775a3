#include "objcomm/contact/serial_port_response.h"

namespace {
constexpr CodeText kBaudRateCodes[] = {
    {0, "9.6kbps"}, {1, "19.2kbps"}, {2, "38.4kbps"}, {3, "57.6kbps"}, {4, "115.2kbps"},
};
constexpr CodeText kParityCodes[] = {{0, "None"}, {1, "Odd"}, {2, "Even"}};
constexpr CodeText kDataBitsCodes[] = {{0, "5 Bits"}, {1, "6 Bits"}, {2, "7 Bits"}, {3, "8 Bits"}};
constexpr CodeText kStopBitsCodes[] = {{0, "1 Bit"}, {1, "2 Bits"}, {2, "1.5 Bits"}};
constexpr CodeText kFlowControlCodes[] = {{0, "None"}, {1, "Hardware"}, {2, "Xon/Xoff"}};
}  // namespace

constinit const CTextTable kSerialBaudRates{kBaudRateCodes, kUnknownValue};
constinit const CTextTable kSerialParities{kParityCodes, kUnknownValue};
constinit const CTextTable kSerialDataBits{kDataBitsCodes, kUnknownValue};
constinit const CTextTable kSerialStopBits{kStopBitsCodes, kUnknownValue};
constinit const CTextTable kSerialFlowControls{kFlowControlCodes, kUnknownValue};
