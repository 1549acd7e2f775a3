#pragma once
#include <string_view>

// An unsigned number as people type it: digits only, in decimal or, when bHexAllowed, in
// hex after 0x or 0X; no sign, no blanks, nothing after the digits. False when the text is
// not such a number or its value is above nMax; nValue is then left as it was.
bool ParseUnsignedNumber(std::string_view text, bool bHexAllowed, unsigned long long nMax,
                         unsigned long long& nValue);
