#pragma once
#include "objcomm/export.h"
#include "objcomm/text_table.h"

// The card types a station can be told to expect. 0x81 to 0x88 are the serial memory chip
// codes.
extern OBJCOMM_API const CTextTable kCardTypes;
