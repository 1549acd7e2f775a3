#pragma once
#include "objcomm/export.h"
#include "objcomm/text_table.h"

// The names the serial memory responses show under "Chip Type". Only 0x81 to 0x88 have
// operations of their own; 0 "No specified type.", 0xFF "Any chip type" and any unknown code
// have only the operations that mean the same for every chip.
extern OBJCOMM_API const CTextTable kChipTypes;
