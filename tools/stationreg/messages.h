#pragma once
#include <iosfwd>

#include "platform/registry.h"
#include "platform/types.h"

inline constexpr const char* kSuccessMessage = "The operation completed successfully.";
inline constexpr const char* kCanceledMessage = "The operation was canceled by the user.";

// The line to print for a registry call's failure, "ERROR: ..." with the reason.
CString ErrorMessage(LONG lError);

void PrintUsage(std::ostream& out);
// "ERROR: <reason>" and the one-line usage, for command lines that cannot be run.
void PrintSyntaxError(std::ostream& err, const char* pszReason);
