#include "objcomm/serialmem/sle4418_operations.h"

namespace {
// "Unknowm", as the station has always spelt it.
constexpr char kUnknownCodeType[] = "Unknowm Code Type";

constexpr CodeText kWriteCodes[] = {
    {0x0C, "Write Protect bit With Data Comparison"},
    {0x8C, "Write and erase with protect bit"},
    {0xCC, "Write and erase without protect bit"},
};
constexpr CodeText kReadCodes[] = {
    {0x30, "Read data with protect bit"},
    {0x70, "Read data with out protect bit"},
};
}  // namespace

constinit const CTextTable kWriteCodes4418{kWriteCodes, kUnknownCodeType};
constinit const CTextTable kReadCodes4418{kReadCodes, kUnknownCodeType};
