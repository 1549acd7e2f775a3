#pragma once
#include "platform/registry_value.h"
#include "platform/types.h"

// "REG_SZ", "REG_EXPAND_SZ", "REG_DWORD" in any case; 0 for anything else.
DWORD ValueTypeFromName(const CString& strName);
const char* ValueTypeName(DWORD dwType);

// Decimal or 0x hex digits only, 0 to 0xFFFFFFFF: no sign, no blanks, nothing after.
bool ParseDwordData(const CString& strText, DWORD& dwValue);

// The bytes to store: a text with its terminating zero, a DWORD as 4 bytes. False when a
// DWORD's text does not parse.
bool EncodeData(DWORD dwType, const CString& strText, CByteArray& data);

enum class EDwordStyle { Hex, Decimal };
// A text up to its terminating zero; a DWORD as "0x640" or "1600".
CString FormatData(const CRegistryValue& value, EDwordStyle style);
