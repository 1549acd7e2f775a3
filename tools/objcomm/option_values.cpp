#include "tools/objcomm/option_values.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "tools/objcomm/usage_error.h"

unsigned long ParseNumberArgument(const std::string& strOption, const std::string& strText,
                                  unsigned long nMax) {
    const bool bHex =
        strText.size() > 2 && strText[0] == '0' && (strText[1] == 'x' || strText[1] == 'X');
    const std::string digits = bHex ? strText.substr(2) : strText;
    const bool bAllDigits =
        !digits.empty() && digits.find_first_not_of(bHex ? "0123456789abcdefABCDEF"
                                                         : "0123456789") == std::string::npos;
    errno = 0;
    const unsigned long value =
        bAllDigits ? std::strtoul(digits.c_str(), nullptr, bHex ? 16 : 10) : 0;
    if (!bAllDigits || errno == ERANGE || value > nMax) {
        throw CUsageError(strOption + " takes a number from 0 to " + std::to_string(nMax) +
                          ", not '" + strText + "'");
    }
    return value;
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
