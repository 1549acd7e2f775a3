// stationreg: reads and changes the station's registry from a shell, in the manner of the
// Windows reg command, for the values the dialog does not edit.
#include <cerrno>
#include <cstring>
#include <iostream>

#include "tools/stationreg/command_line.h"
#include "tools/stationreg/messages.h"
#include "tools/stationreg/operations.h"

namespace {

int Run(const CStringArray& arrArgs) {
    CRegCommand command;
    switch (ParseCommandLine(arrArgs, command)) {
        case EParseResult::kHelp:
            PrintUsage(std::cout);
            return 0;
        case EParseResult::kInvalidSyntax:
            PrintSyntaxError(std::cerr, "Invalid syntax.");
            return 1;
        case EParseResult::kCommand:
            break;
    }
    return RunCommand(command, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    const int nStatus = Run(CStringArray(argv + 1, argv + argc));
    // The output sits in a buffer until here, so a full disk or a closed pipe only shows
    // now; a backup made with "query KEY > file" must not then report success.
    if (!(std::cout << std::flush)) {
        std::cerr << "ERROR: Writing the output failed: " << std::strerror(errno) << ".\n";
        return 1;
    }
    return nStatus;
}
