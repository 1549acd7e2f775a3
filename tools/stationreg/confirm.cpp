#include "tools/stationreg/confirm.h"

#include <unistd.h>

#include <iostream>

#include "platform/no_case.h"

EConfirm Confirm(const CString& strQuestion) {
    if (!isatty(STDIN_FILENO)) return EConfirm::kNoTerminal;
    CString strAnswer;
    // On standard error, so that the question shows even when the output is redirected.
    while (std::cerr << strQuestion << " (Yes/No)? " << std::flush,
           std::getline(std::cin, strAnswer)) {
        if (EqualsNoCase(strAnswer, "y") || EqualsNoCase(strAnswer, "yes")) return EConfirm::kYes;
        if (EqualsNoCase(strAnswer, "n") || EqualsNoCase(strAnswer, "no")) return EConfirm::kNo;
    }
    return EConfirm::kNo;
}
