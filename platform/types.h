#pragma once
// The integer and collection names the station code is written in, mapped onto the
// standard library. Never include this beside <winscard.h>: pcsc-lite declares its own.
#include <cstdint>
#include <string>
#include <vector>

// The integers by their Windows names: 8, 16 and 32 bits unsigned, unsigned int, and the int that
// BOOL results are.
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;

#ifndef TRUE
// BOOL's true.
#define TRUE 1
#endif
#ifndef FALSE
// BOOL's false.
#define FALSE 0
#endif

// Text, bytes, a list of texts, as the Windows framework names them.
using CString = std::string;
using CByteArray = std::vector<BYTE>;
using CStringArray = std::vector<CString>;
template <typename T>
// A list of T.
using CArray = std::vector<T>;
