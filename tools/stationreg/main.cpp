// stationreg: reads and changes the station's registry from a shell, in the manner of the
// Windows reg command, for the values the dialog does not edit.
#include <iostream>

#include "tools/stationreg/command_line.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/operations.h"

int main(int argc, char** argv) {
    const CStringArray arrArgs(argv + 1, argv + argc);
    CRegCommand command;
    switch (ParseCommandLine(arrArgs, command)) {
        case EParseResult::Help:
            PrintUsage(std::cout);
            return 0;
        case EParseResult::InvalidSyntax:
            PrintSyntaxError(std::cerr, "Invalid syntax.");
            return 1;
        case EParseResult::Command:
            break;
    }
    return RunCommand(command, std::cout, std::cerr);
}
