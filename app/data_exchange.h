#pragma once
#include "platform/types.h"

class QLineEdit;
class QListWidget;

// Exchanges between the dialog's controls and its members. With bSave the control is read
// into the value; otherwise the value is written to the control. The checks show their
// message, put the focus on the control and return false.

// The list's select-string search: from the entry after nStartAfter to the end, then from
// the top, the first entry whose text begins with strText (case-insensitive) is selected;
// with no match the selection stays as it was. nStartAfter -1 searches from the top.
// Returns the index selected, or -1.
int SelectListString(QListWidget& list, int nStartAfter, const CString& strText);

// The selected entry's text, or the empty text without a selection; writing selects with
// the search from the top.
void ExchangeListText(QListWidget& list, CString& strValue, bool bSave);

// The edit's text as an unsigned decimal number.
bool ExchangeUnsigned(QLineEdit& edit, DWORD& dwValue, bool bSave);

bool ValidateRange(QLineEdit& edit, DWORD dwValue, DWORD dwMin, DWORD dwMax);
