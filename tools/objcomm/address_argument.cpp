#include "tools/objcomm/address_argument.h"

#include "platform/sockets.h"
#include "tools/objcomm/option_values.h"
#include "tools/objcomm/usage_error.h"

CServerAddress ParseAddressArgument(const std::string& strOption, const std::string& strText) {
    const size_t colon = strText.rfind(':');
    CServerAddress address;
    sockaddr_in checked;
    if (colon != std::string::npos) {
        address.strIp = strText.substr(0, colon);
        const std::string strPort = strText.substr(colon + 1);
        address.nPort = static_cast<UINT>(ParseNumberArgument(strOption + " port", strPort, 65535));
    }
    if (colon == std::string::npos || !MakeIpv4Address(address.strIp, address.nPort, checked)) {
        throw CUsageError(strOption + " takes ADDR:PORT with a dotted IPv4 address, not '" +
                          strText + "'");
    }
    return address;
}
