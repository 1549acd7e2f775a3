#pragma once
// Value data as a command line gives it and as a query shows it, for each value type.
#include "platform/registry_value.h"
#include "platform/types.h"

// The type named "REG_SZ", "REG_MULTI_SZ", "REG_EXPAND_SZ", "REG_DWORD", "REG_QWORD",
// "REG_BINARY" or "REG_NONE", in any case.
bool ValueTypeFromName(const CString& strName, DWORD& dwType);
const char* ValueTypeName(DWORD dwType);
// A value's name as a query shows it: "(Default)" for the key's default value.
CString ValueDisplayName(const CString& strName);

// The bytes to store for a text given with /d:
//   REG_SZ, REG_EXPAND_SZ, REG_NONE  the text and its terminating zero
//   REG_DWORD, REG_QWORD             a decimal or 0x hex number, as 4 or 8 bytes
//   REG_BINARY                       pairs of hex digits; of an odd count, the first digit
//                                    is a byte of its own
//   REG_MULTI_SZ                     the strings between strSeparators, none of them
//                                    empty, each with its zero, then one more zero; one
//                                    separator at the end changes nothing
// False when the text does not fit the type; DataRule then tells what would.
bool EncodeData(DWORD dwType, const CString& strText, const CString& strSeparator,
                CByteArray& data);
const char* DataRule(DWORD dwType);

enum class ENumberStyle { kHex, kDecimal };
// Text up to its zero; numbers as "0x640" or "1600"; REG_BINARY and REG_NONE as hex digit
// pairs ("0A1B"); REG_MULTI_SZ as its strings joined by "\0".
CString FormatData(const CRegistryValue& value, ENumberStyle style);
