#pragma once
// Gemplus GPM 896 (chip type 0x84): word-erasable memory behind two erase codes and a
// secret code.
#include "objcomm/export.h"
#include "objcomm/serialmem/common_parameters.h"

// The option byte of Present Code.
extern OBJCOMM_API const CTextTable kPresentCodeOptions;

// Of the two bytes before the data of Present Code, the first says which code is presented
// and the second where it lies.
inline constexpr CParameterInfo kCodeOption = Code("Present Code Option", kPresentCodeOptions);
inline constexpr CParameterInfo kCodeAddress = Number("Address");
inline constexpr CParameterInfo kCodeData = Block("Data to compare");
inline constexpr CParameterInfo kEraseStart = Number("Address at which to begin erasing");
inline constexpr CParameterInfo kEraseWords = Number("Number of words to erase");
inline constexpr CParameterInfo kWriteDelay =
    Number("Write Delay (in millseconds)", 2, FormatDecimal);

// clang-format off
struct OBJCOMM_API CSmOpPresentCode896 : CParameters<kCodeOption, kCodeAddress, kCodeData> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpEraseWords896 : CParameters<kEraseStart, kEraseWords> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpSetWriteDelay896 : CParameters<kWriteDelay> { using CParameters::CParameters; };
// clang-format on
