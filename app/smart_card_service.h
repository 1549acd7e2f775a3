#pragma once
// The three PC/SC calls the reader listing makes, behind an interface so that tests can
// give answers a real service cannot (names that overflow the buffer). Only standard types
// here: pcsc-lite's winscard.h declares its own DWORD, which must not meet ours.
#include <cstdint>

class CSmartCardService {
public:
    using Context = std::intptr_t;

    virtual ~CSmartCardService() = default;

    // Each returns the PC/SC status, 0 on success, as a signed 32-bit value.

    // A context with user scope.
    virtual std::int32_t EstablishContext(Context& hContext) = 0;
    // The names of the readers of all groups as a multi-string (each name ends with a zero,
    // an empty name ends the list) into at most nLength characters of mszReaders; nLength
    // receives the length the list needs. Fails when it does not fit.
    virtual std::int32_t ListReaders(Context hContext, char* mszReaders,
                                     std::uint32_t& nLength) = 0;
    virtual std::int32_t ReleaseContext(Context hContext) = 0;
};
