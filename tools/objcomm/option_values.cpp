#include "tools/objcomm/option_values.h"

#include <cmath>
#include <cstdlib>

#include "platform/unsigned_number.h"
#include "tools/objcomm/usage_error.h"

unsigned long ParseNumberArgument(const std::string& strOption, const std::string& strText,
                                  unsigned long nMax) {
    unsigned long long nValue = 0;
    if (!ParseUnsignedNumber(strText, true, nMax, nValue)) {
        throw CUsageError(strOption + " takes a number from 0 to " + std::to_string(nMax) +
                          ", not '" + strText + "'");
    }
    return static_cast<unsigned long>(nValue);
}

std::chrono::milliseconds ParseSecondsArgument(const std::string& strOption,
                                               const std::string& strText, unsigned nMax) {
    const bool bDecimal = !strText.empty() &&
                          strText.find_first_not_of("0123456789.") == std::string::npos &&
                          strText.find('.') == strText.rfind('.');
    const double seconds = bDecimal ? std::strtod(strText.c_str(), nullptr) : 0;
    if (!bDecimal || strText == "." || seconds <= 0 || seconds > nMax) {
        throw CUsageError(strOption + " takes seconds above 0 and up to " + std::to_string(nMax) +
                          ", not '" + strText + "'");
    }
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
}

const std::string& OptionValue(const std::vector<std::string>& args, size_t& i) {
    if (i + 1 >= args.size()) throw CUsageError(args[i] + " needs a value");
    return args[++i];
}
