#pragma once
#include "objcomm/response.h"

// Constructs the response of a pass-through (command 10) frame from its sub-command; the
// payload reader stands after the sub-command and tag. Sub-command 0xFF is a completion
// acknowledgement whose class depends on whether the tag is 0.
// Throws CPassThruSubCmdUnknown for a sub-command without a class.
CObjCommResponse* CreatePassThroughResponse(BYTE nSubCommand, WORD wTag, CInBinaryString& payload,
                                            DWORD dwContext);
