#include "app/host_name.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

CString GetHostComputerName(bool bUpperCase) {
    // One character more than the length passed keeps a terminating zero even when the
    // name fills the whole length.
    char szName[261] = {};
    if (gethostname(szName, 260) != 0) return CString();
    CString strName(szName);
    if (bUpperCase) {
        std::transform(strName.begin(), strName.end(), strName.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    return strName;
}
