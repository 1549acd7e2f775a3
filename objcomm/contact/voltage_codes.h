#pragma once
#include "objcomm/export.h"
#include "objcomm/text_table.h"

// Contact-card supply voltages by code: 0x01 to 0x03 for the three common ones, then codes
// whose two hex digits read as volts and tenths. Unknown codes read "Unknown Value".
extern OBJCOMM_API const CTextTable kContactVoltages;

// The extended form carries the voltage itself: "%u Millivolts".
OBJCOMM_API CString FormatMillivolts(DWORD dwMillivolts);
