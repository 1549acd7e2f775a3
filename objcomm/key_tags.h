#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// Attribute tags of the key-management items.
enum EKeyTag : BYTE {
    kTagNumber = 1,
    kTagInjection = 2,
    kTagCheck = 3,
    kTagEncrypted = 4,
    kTagHolder = 5,
    kTagGenerator = 6,
    kTagCreated = 7,
    kTagVersion = 8,
    kTagExpiration = 9,
    kTagComment = 10,
    kTagIdentifier = 11,
    kTagTransformCode = 13,
};

// The display name of a tag; "Unknown" for a tag that names no attribute.
OBJCOMM_API const char* GetKeyTagName(int nTag);
