#include "objcomm/serialmem/sle4436_operations.h"

namespace {
constexpr CodeText kControlCodes[] = {
    {0x6E, "Authentication Control 1"},
    {0x6F, "Authentication Control 2"},
};
}  // namespace

constinit const CTextTable kAuthenticationControls{kControlCodes, "Unknown type"};
