#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// "0a ff 10": lowercase pairs, one blank between them.
OBJCOMM_API CString FormatHexSpaced(const BYTE* pBytes, size_t nCount);
// As above, for the whole array.
OBJCOMM_API CString FormatHexSpaced(const CByteArray& bytes);
// "0AFF10": uppercase pairs, no separator. The output is emptied first.
OBJCOMM_API void FormatHex(const BYTE* pBytes, size_t nCount, CString& out);
// As above, for the whole array.
OBJCOMM_API void FormatHex(const CByteArray& bytes, CString& out);
// Convenience form of FormatHex for use inside expressions.
OBJCOMM_API CString ToHex(const CByteArray& bytes);
// ToHex, with pszEmpty standing in for no bytes at all.
OBJCOMM_API CString HexOrText(const CByteArray& bytes, const char* pszEmpty);
// The two uppercase hex digits of b.
OBJCOMM_API void ByteToHexChars(BYTE b, char& high, char& low);

// Reads hex text ("0a ff:10-3C") into bytes. Digits in either case; blanks, tabs, ':' and
// '-' are ignored. False, with a reason in *pstrError, on any other character or on an odd
// number of digits.
OBJCOMM_API bool ParseHexBytes(const CString& strText, CByteArray& out, CString* pstrError);
