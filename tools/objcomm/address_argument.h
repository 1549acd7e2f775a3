#pragma once
#include <string>

#include "platform/types.h"

// A server address given as ADDR:PORT, ADDR in dotted IPv4 form.
struct CServerAddress {
    CString strIp;
    UINT nPort = 0;

    std::string ToText() const { return strIp + ":" + std::to_string(nPort); }
};

// Reads ADDR:PORT; anything else is a usage error that names the option.
CServerAddress ParseAddressArgument(const std::string& strOption, const std::string& strText);
