#include "objcomm/key_tags.h"

#include "objcomm/code_table.h"

namespace {
constexpr CodeText kKeyTagNames[] = {
    {KEY_TAG_NUMBER, "Number"},       {KEY_TAG_INJECTION, "Injection"},
    {KEY_TAG_CHECK, "Check"},         {KEY_TAG_ENCRYPTED, "Key Encrypted"},
    {KEY_TAG_HOLDER, "Holder"},       {KEY_TAG_GENERATOR, "Generator"},
    {KEY_TAG_CREATED, "Created"},     {KEY_TAG_VERSION, "Version"},
    {KEY_TAG_EXPIRATION, "Expiration"}, {KEY_TAG_COMMENT, "Comment"},
    {KEY_TAG_IDENTIFIER, "Identifier"}, {KEY_TAG_TRANSFORM_CODE, "TransformCode"},
};
}  // namespace

const char* GetKeyTagName(int nTag) {
    return LookupText(kKeyTagNames, static_cast<unsigned>(nTag), "Unknown");
}
