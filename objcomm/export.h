#pragma once
// OBJCOMM_API marks a class or function that libobjcomm.so exports. The library is built with
// -fvisibility=hidden and -fvisibility-inlines-hidden, so everything else in it (the sources'
// helpers, inline functions, template instantiations) stays inside it. Marking a class
// exports its members, its virtual table and its type information, which a program needs to
// catch, cast or derive from it. objcomm/libobjcomm.symbols lists what is exported.

// Exports the class or function it marks from libobjcomm.so.
#define OBJCOMM_API __attribute__((visibility("default")))
