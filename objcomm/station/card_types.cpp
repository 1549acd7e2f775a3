#include "objcomm/station/card_types.h"

namespace {
constexpr CodeText kCardTypeCodes[] = {
    {0x02, "ISO 7816-3, T=0/T=1"},
    {0x18, "MIFARE"},
    {0x28, "ISO 14443-3/4 Type A"},
    {0x29, "ISO 14443-3/4 Type A, PayPass alternative"},
    {0x59, "ISO 14443-3/4 Type A, PayPass alternative 2"},
    {0x38, "ISO 14443-3/4 Type B"},
    {0x89, "ISO 14443-3/4 Type B, PayPass alternative"},
    {0x39, "ISO 14443-3/4 Type B, PayPass alternative 2"},
    {0x48, "FeliCa"},
    {0x81, "SLE 4418/4428"},
    {0x82, "SLE 4432/4442"},
    {0x83, "SLE 4436"},
    {0x84, "GPM 896"},
    {0x85, "GPM 256"},
    {0x86, "ST133x"},
    {0x87, "ST14C02C"},
    {0x88, "SLE 4406"},
};
}  // namespace

constinit const CTextTable kCardTypes{kCardTypeCodes, kUnknownValue};
