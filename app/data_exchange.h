#pragma once
#include "platform/types.h"

class CListBox;
class QLineEdit;

// Exchanges between the dialog's controls and its members. With bSave the control is read
// into the value; otherwise the value is written to the control. The checks show their
// message, put the focus on the control and return false.

// The selected entry's text, or the empty text without a selection; writing selects with
// the search from the top.
void ExchangeListText(CListBox& list, CString& strValue, bool bSave);

// The edit's text as an unsigned decimal number.
bool ExchangeUnsigned(QLineEdit& edit, DWORD& dwValue, bool bSave);

bool ValidateRange(QLineEdit& edit, DWORD dwValue, DWORD dwMin, DWORD dwMax);
