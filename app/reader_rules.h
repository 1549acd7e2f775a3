#pragma once
#include "platform/types.h"

// The rules the chosen readers must keep, applied in order; returns the message of the
// first one broken, or null. Each is the reader's name, "none" for no reader, or the empty
// text for a list without a selection. Comparisons are exact.
const char* BrokenReaderRule(const CString& strReaderId, const CString& strPiccReaderId,
                             const CString& strExtReaderId);
