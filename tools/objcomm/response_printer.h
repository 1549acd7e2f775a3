#pragma once
#include <ostream>

#include "objcomm/frame_decoder.h"

// Prints one decoded frame: as text (a header line, the describe list, the re-encoded
// payload) or as one JSON object on one line.
void PrintDecodedFrame(std::ostream& out, const CDecodedFrame& decoded, bool bJson);
