#pragma once
#include "platform/types.h"

enum class EConfirm { kYes, kNo, kNoTerminal };

// Asks on the terminal until the answer is yes or no (y/n in any case); end of input is no.
// Without a terminal on standard input nobody can answer, so nothing is asked.
EConfirm Confirm(const CString& strQuestion);
