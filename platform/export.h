#pragma once
// PLATFORM_API marks a platform function that the objcomm library's headers declare.
// libobjcomm.so carries the platform code it uses and exports these functions, so a program
// built against the installed library finds them; the rest of the platform layer is compiled
// with hidden visibility and stays inside whatever links it.

// Exports the platform function it marks from libobjcomm.so.
#define PLATFORM_API __attribute__((visibility("default")))
