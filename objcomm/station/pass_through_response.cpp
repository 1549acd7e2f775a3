#include "objcomm/station/pass_through_response.h"

#include "objcomm/hex.h"

CString HexOrText(const CByteArray& bytes, const char* pszEmpty) {
    return bytes.empty() ? CString(pszEmpty) : ToHex(bytes);
}
