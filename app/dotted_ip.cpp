#include "app/dotted_ip.h"

#include <algorithm>
#include <cstdio>

#include "platform/format.h"

bool ParseDottedIp(BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4, const CString& strText) {
    // Scanned as long, not int: a number past the int range would otherwise wrap round into
    // 0..255 (4294967306 reads as 10) instead of being refused.
    long n[4] = {0, 0, 0, 0};
    const int nRead = std::sscanf(strText.c_str(), "%ld.%ld.%ld.%ld", &n[0], &n[1], &n[2], &n[3]);
    if (nRead != 4 || !std::ranges::all_of(n, [](long x) { return x >= 0 && x <= 255; })) {
        return false;
    }
    b1 = static_cast<BYTE>(n[0]);
    b2 = static_cast<BYTE>(n[1]);
    b3 = static_cast<BYTE>(n[2]);
    b4 = static_cast<BYTE>(n[3]);
    return true;
}

CString FormatDottedIp(BYTE b1, BYTE b2, BYTE b3, BYTE b4) {
    return FormatText("%d.%d.%d.%d", b1, b2, b3, b4);
}
