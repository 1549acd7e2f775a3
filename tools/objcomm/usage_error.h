#pragma once
#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

// Wrong command-line words: main prints the message and the usage, and exits 2.
struct CUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A decimal or 0x-hex number no larger than nMax; anything else is a usage error that
// names the option.
unsigned long ParseNumberArgument(const std::string& strOption, const std::string& strText,
                                  unsigned long nMax);
// A time in seconds, fractions allowed, above 0 and no larger than nMax seconds.
std::chrono::milliseconds ParseSecondsArgument(const std::string& strOption,
                                               const std::string& strText, unsigned nMax);
// The value after an option, or a usage error when the option is the last word.
const std::string& OptionValue(const std::vector<std::string>& args, size_t& i);
