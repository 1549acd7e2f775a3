#include "platform/unsigned_number.h"

#include <charconv>

bool ParseUnsignedNumber(std::string_view text, bool bHexAllowed, unsigned long long nMax,
                         unsigned long long& nValue) {
    const bool bHex =
        bHexAllowed && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = text.substr(bHex ? 2 : 0);
    unsigned long long nParsed = 0;
    // from_chars into an unsigned type refuses signs and blanks, and reports overflow itself.
    const auto [pEnd, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), nParsed, bHex ? 16 : 10);
    if (digits.empty() || error != std::errc() || pEnd != digits.data() + digits.size() ||
        nParsed > nMax) {
        return false;
    }
    nValue = nParsed;
    return true;
}
