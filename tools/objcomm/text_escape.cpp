#include "tools/objcomm/text_escape.h"

#include "objcomm/hex.h"

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<BYTE>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char high = 0, low = 0;
            ByteToHexChars(byte, high, low);
            out += {'\\', 'x', high, low};
        } else {
            out += c;
        }
    }
    return out;
}
