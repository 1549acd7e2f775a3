#pragma once
#include "platform/types.h"

// Reads "a.b.c.d" by the rules of the formatted scan: white space and a sign before each
// number are accepted, numbers are decimal, anything after the fourth number is ignored.
// Succeeds only when four numbers were read, each from 0 to 255; b1 receives the first.
// On failure the outputs keep what they held.
bool ParseDottedIp(BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4, const CString& strText);

// "%d.%d.%d.%d" of the four bytes, b1 first.
CString FormatDottedIp(BYTE b1, BYTE b2, BYTE b3, BYTE b4);
