#pragma once
#include <cstdint>

#include "app/pcsc_lite_service.h"
#include "platform/types.h"

// The names of the smart-card readers the service knows, in the service's order. Always
// empties arrReaders first; on failure it stays empty. Returns 0, or the status of the
// PC/SC call that failed; once a context is established it is released on every path, and
// on success the release's status is returned.
std::int32_t ListSmartCardReaders(CStringArray& arrReaders,
                                  CSmartCardService& service = PcscLiteService());
