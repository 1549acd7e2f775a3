#pragma once
#include <span>

#include "objcomm/text_table.h"

// The first byte of most card-station responses names the reader or port the command went
// to. Each class recognises only some of the codes and shows the rest with its own text;
// the tables below pair each recognised set with the text its classes use.

inline constexpr char kUnknownDestinationValue[] = "Unknown Destination Value";
// With two blanks, as the contact and serial-flush responses have always shown it.
inline constexpr char kUnknownDestinationWideValue[] = "Unknown Destination  Value";

namespace destination_detail {
// One table; every set is a run of it, so each text is written once.
inline constexpr CodeText kDestinations[] = {
    {0x80, "Port A"},           //  0  the ports alone, "Port" spelling
    {0x88, "Port B"},           //  1
    {0x43, "PICC"},             //  2  the readers
    {0x57, "EX_TBP"},           //  3
    {0x58, "TBP"},              //  4
    {0x80, "PORT A"},           //  5  the ports with their send-only variants, "PORT" spelling
    {0x81, "PORTA Send only"},  //  6
    {0x88, "PORT B"},           //  7
    {0x89, "PORTB Send only"},  //  8
};
// The nCount entries of kDestinations from nFirst on.
constexpr std::span<const CodeText> Run(size_t nFirst, size_t nCount) {
    return std::span<const CodeText>(kDestinations).subspan(nFirst, nCount);
}
}  // namespace destination_detail

// The contactless responses know only the PICC.
inline constexpr CTextTable kPiccOrUnknownDestination{destination_detail::Run(2, 1),
                                                      kUnknownDestinationValue};
// The PICC, with the plain fallback text.
inline constexpr CTextTable kPiccOrUnknownValue{destination_detail::Run(2, 1), kUnknownValue};
// The contact readers, EX_TBP and TBP.
inline constexpr CTextTable kContactOrUnknownValue{destination_detail::Run(3, 2), kUnknownValue};
// The contact readers, with the two-blank fallback text.
inline constexpr CTextTable kContactOrUnknownWide{destination_detail::Run(3, 2),
                                                  kUnknownDestinationWideValue};
// PICC, EX_TBP and TBP.
inline constexpr CTextTable kReaderOrUnknownValue{destination_detail::Run(2, 3), kUnknownValue};
// Every reader and port.
inline constexpr CTextTable kStationOrUnknownValue{destination_detail::Run(2, 7), kUnknownValue};
// The two ports alone.
inline constexpr CTextTable kSerialPortOrUnknownWide{destination_detail::Run(0, 2),
                                                     kUnknownDestinationWideValue};
