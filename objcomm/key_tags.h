#pragma once
#include "platform/types.h"

// Attribute tags of the key-management items.
enum EKeyTag : BYTE {
    KEY_TAG_NUMBER = 1,
    KEY_TAG_INJECTION = 2,
    KEY_TAG_CHECK = 3,
    KEY_TAG_ENCRYPTED = 4,
    KEY_TAG_HOLDER = 5,
    KEY_TAG_GENERATOR = 6,
    KEY_TAG_CREATED = 7,
    KEY_TAG_VERSION = 8,
    KEY_TAG_EXPIRATION = 9,
    KEY_TAG_COMMENT = 10,
    KEY_TAG_IDENTIFIER = 11,
    KEY_TAG_TRANSFORM_CODE = 13,
};

// The display name of a tag; "Unknown" for a tag that names no attribute.
const char* GetKeyTagName(int nTag);
