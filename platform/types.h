#pragma once
// The integer and collection names the station code is written in, mapped onto the
// standard library. Never include this beside <winscard.h>: pcsc-lite declares its own.
#include <cstdint>
#include <string>
#include <vector>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

using CString = std::string;
using CByteArray = std::vector<BYTE>;
using CStringArray = std::vector<CString>;
template <typename T>
using CArray = std::vector<T>;
