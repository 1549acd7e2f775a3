#include "objcomm/serialmem/st133x_operations.h"

namespace {
constexpr CodeText kCardTypeCodes[] = {{0x32, "Six contact type"}, {0x33, "Five contact type"}};
}  // namespace

constinit const CTextTable kSt133xCardTypes{kCardTypeCodes, "Unknown type"};
