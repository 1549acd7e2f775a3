#pragma once
#include "app/smart_card_service.h"

// The PC/SC service of this machine, through pcsc-lite.
CSmartCardService& PcscLiteService();
