#include "objcomm/serialmem/chip_types.h"

namespace {
constexpr CodeText kChipTypeNames[] = {
    {0x00, "No specified type."}, {0x81, "Siemens SLE 4418/4428"}, {0x82, "Siemens SLE 4432/4442"},
    {0x83, "Siemens SLE 4436"},   {0x84, "Gemplus GPM 896"},       {0x85, "Gemplus GPM 256"},
    {0x86, "SGS-Thomson ST133x"}, {0x87, "SGS-Thomson ST14C02C"},  {0x88, "Siemens SLE 4406"},
    {0xFF, "Any chip type"},
};
}  // namespace

constinit const CTextTable kChipTypes{kChipTypeNames, kUnknownValue};
