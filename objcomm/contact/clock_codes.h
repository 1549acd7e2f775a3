#pragma once
#include "objcomm/export.h"
#include "objcomm/text_table.h"

// Contact-card clock frequencies by code: the high digit picks the base clock (0: 9.830 MHz,
// 1: 7.159 MHz), the low digit divides it by 1, 2, 4 or 8. Unknown codes read "Unknown Value".
extern OBJCOMM_API const CTextTable kClockFrequencies;
// The same codes plus 0xFE "Keep Current" and 0xFF "Maximum", as a warm reset with PPS
// reads them.
extern OBJCOMM_API const CTextTable kWarmResetClockFrequencies;
// The same codes plus 0xFF "Default", as a cold reset with PPS reads them.
extern OBJCOMM_API const CTextTable kResetClockFrequencies;

// The extended form carries the frequency itself: "%d khz".
OBJCOMM_API CString FormatKilohertz(DWORD dwKilohertz);
