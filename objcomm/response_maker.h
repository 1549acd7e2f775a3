#pragma once
#include "objcomm/response.h"

// How the factory's tables construct a class from its payload.
using ResponseMaker = CObjCommResponse* (*)(CInBinaryString& payload, DWORD dwContext);

template <typename T>
CObjCommResponse* MakeResponse(CInBinaryString& payload, DWORD dwContext) {
    return new T(payload, dwContext);
}
