#pragma once
#include "platform/types.h"

// "0a ff 10": lowercase pairs, one blank between them.
CString FormatHexSpaced(const BYTE* pBytes, size_t nCount);
CString FormatHexSpaced(const CByteArray& bytes);
// "0AFF10": uppercase pairs, no separator. The output is emptied first.
void FormatHex(const BYTE* pBytes, size_t nCount, CString& out);
void FormatHex(const CByteArray& bytes, CString& out);
// Convenience form of FormatHex for use inside expressions.
CString ToHex(const CByteArray& bytes);
// ToHex, with pszEmpty standing in for no bytes at all.
CString HexOrText(const CByteArray& bytes, const char* pszEmpty);
void ByteToHexChars(BYTE b, char& high, char& low);

// Reads hex text ("0a ff:10-3C") into bytes. Digits in either case; blanks, tabs, ':' and
// '-' are ignored. False, with a reason in *pstrError, on any other character or on an odd
// number of digits.
bool ParseHexBytes(const CString& strText, CByteArray& out, CString* pstrError);
