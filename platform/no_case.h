#pragma once
#include <string_view>

// Case-insensitive equality over ASCII letters only: the registry folds key and value names
// this way (SQLite's NOCASE), and command-line words follow the same rule.
bool EqualsNoCase(std::string_view a, std::string_view b);
