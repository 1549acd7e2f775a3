#pragma once
#include "platform/types.h"

// Empties arrPieces and fills it with the pieces of strText between cSeparator characters.
// Every separator ends a piece, so "A\B\" gives three pieces, the last one empty; the
// empty text gives none. Returns the number of pieces.
int SplitString(CStringArray& arrPieces, const CString& strText, char cSeparator);

// True when the text holds nothing but blanks, tabs, line feeds, vertical tabs, form feeds
// and carriage returns; the empty text is blank.
bool IsBlank(const CString& strText);
