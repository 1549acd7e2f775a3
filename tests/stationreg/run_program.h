#pragma once
#include <string>
#include <vector>

#include "tests/registry/child_process.h"

struct CProgramResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// Runs the program with standard input from /dev/null (no terminal) and collects what it
// prints on each stream.
CProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          EChildUser user = EChildUser::Same);

// Runs the program on a fresh pseudo-terminal that has strInput typed into it; the output
// holds both streams together with the terminal's echo of the input.
CProgramResult RunOnTerminal(const std::string& strProgram, const std::vector<std::string>& args,
                             const std::string& strInput);
