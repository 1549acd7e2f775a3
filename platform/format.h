#pragma once
#include "platform/export.h"
#include "platform/types.h"

// printf-style formatting into a CString. The attribute makes the compiler check every
// format string against its arguments, so a "%u" fed a pointer fails the build.
PLATFORM_API CString FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
