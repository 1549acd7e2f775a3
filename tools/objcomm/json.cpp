#include "tools/objcomm/json.h"

#include "platform/format.h"

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            out += FormatText("\\u%04x", byte);
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}
