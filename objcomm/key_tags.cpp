#include "objcomm/key_tags.h"

#include "objcomm/code_table.h"

namespace {
constexpr CodeText kKeyTagNames[] = {
    {kTagNumber, "Number"},         {kTagInjection, "Injection"},
    {kTagCheck, "Check"},           {kTagEncrypted, "Key Encrypted"},
    {kTagHolder, "Holder"},         {kTagGenerator, "Generator"},
    {kTagCreated, "Created"},       {kTagVersion, "Version"},
    {kTagExpiration, "Expiration"}, {kTagComment, "Comment"},
    {kTagIdentifier, "Identifier"}, {kTagTransformCode, "TransformCode"},
};
}  // namespace

const char* GetKeyTagName(int nTag) {
    return LookupText(kKeyTagNames, static_cast<unsigned>(nTag), "Unknown");
}
