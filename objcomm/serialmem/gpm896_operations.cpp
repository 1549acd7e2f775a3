#include "objcomm/serialmem/gpm896_operations.h"

namespace {
constexpr CodeText kOptionCodes[] = {
    {0x00, "Erase code 1"},
    {0x04, "Card secret code presentation"},
    {0x80, "Erase code 2"},
};
}  // namespace

constinit const CTextTable kPresentCodeOptions{kOptionCodes, "Unknown Option"};
