#pragma once
#include <stdexcept>

// Wrong command-line words: the command prints the message and a pointer to the help, and
// exits 2.
struct CUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
