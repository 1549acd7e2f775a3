#include "objcomm/checksum.h"

BYTE ComputeChecksum(const BYTE* pBytes, size_t nCount) {
    unsigned sum = 0;
    for (size_t i = 0; i < nCount; ++i) sum += pBytes[i];
    return static_cast<BYTE>(sum);
}
