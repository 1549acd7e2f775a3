#pragma once
#include <iosfwd>

#include "tools/stationreg/command_line.h"

// Carries out one parsed command, printing results on out and failures on err; returns the
// exit status (0 on success, 1 otherwise).
int RunCommand(const CRegCommand& command, std::ostream& out, std::ostream& err);
