#pragma once
#include <chrono>
#include <string>
#include <vector>

// The values of command-line options. Each throws CUsageError naming the option when the
// words are wrong.

// The value after args[i], which becomes the index of the value.
const std::string& OptionValue(const std::vector<std::string>& args, size_t& i);
// A decimal or 0x-hex number no larger than nMax.
unsigned long ParseNumberArgument(const std::string& strOption, const std::string& strText,
                                  unsigned long nMax);
// A time in seconds, fractions allowed, above 0 and no larger than nMax seconds.
std::chrono::milliseconds ParseSecondsArgument(const std::string& strOption,
                                               const std::string& strText, unsigned nMax);
