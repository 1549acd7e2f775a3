#pragma once
#include <iosfwd>
#include <optional>

#include "platform/registry.h"
#include "platform/types.h"

// Prints the message on err; returns the exit status of a failure.
int Fail(std::ostream& err, const CString& strMessage);
// The outcome of a change: the success message, or the failure's.
int Report(LONG lResult, std::ostream& out, std::ostream& err);
// Asks strQuestion on the terminal. Empty to go ahead; otherwise the exit status of a
// change the user did not confirm, strAction saying what /f would do.
std::optional<int> Refusal(const CString& strQuestion, const CString& strAction, std::ostream& err);
