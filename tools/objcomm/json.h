#pragma once
#include <string>

// The text as a JSON string literal, quotes included. Bytes outside printable ASCII are
// written as \u00XX so that any byte string yields valid JSON.
std::string JsonString(const std::string& text);
