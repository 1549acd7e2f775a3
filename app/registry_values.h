#pragma once
#include "platform/types.h"

// One value each, named by its full path, in one open, operate, close cycle.

// The value's text, or the empty text when the key or value cannot be opened or read.
CString ReadRegistryString(const CString& strFullPath);
// The value, or 0 when it cannot be read or is not a REG_DWORD.
DWORD ReadRegistryDword(const CString& strFullPath);
// True when the value was stored, as REG_EXPAND_SZ when bExpand is set, else REG_SZ.
bool WriteRegistryString(const CString& strFullPath, const CString& strValue, bool bExpand);
// True when the value was stored as a 4-byte REG_DWORD.
bool WriteRegistryDword(const CString& strFullPath, DWORD dwValue);
