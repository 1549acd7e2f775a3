#pragma once
#include "platform/registry.h"
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
// Whether the key of the value path may be written, answered by opening it for writing
// (created when missing) and closing it: ERROR_SUCCESS, or the registry's refusal, such as
// ERROR_ACCESS_DENIED for a user who may not change it.
LONG CheckRegistryKeyWritable(const CString& strFullPath);
