#pragma once
#include <string>
#include <string_view>

// Text from a frame, made safe for a terminal and for line-oriented readers: every byte
// below 0x20, 0x7F and every byte of 0x80 and above becomes \xHH (uppercase hex) and a
// backslash becomes \\, so no frame can end a line or start a control sequence, and the
// original bytes can still be read back.
std::string EscapeText(std::string_view text);
