#pragma once
#include <array>
#include <span>

#include "objcomm/export.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "objcomm/rc_ptr.h"
#include "platform/types.h"

// One set of key attributes, one slot per attribute tag. Slots are kept, written and
// described in a fixed member order (Check first, Number last), not in arrival order.
class OBJCOMM_API CKeyRecord {
public:
    // Replaces the attribute's value; false, changing nothing, for a tag with no slot.
    bool SetField(int nTag, const CByteArray& value);
    // Reads one tagged item (tag, two-byte length, value) and stores it. The value is
    // consumed even when the tag is bad; a bad tag then throws CPassThruParseError.
    // Returns the item's size on the wire.
    size_t ReadItem(CInBinaryString& reader);
    // Appends each present attribute as a tagged item, its value with the length prefix of nPrefix
    // (a mode of length_prefix.h).
    void AppendTo(COutBinaryString& out, int nPrefix) const;
    // Appends a "Tag Type" pair and an "Item Value" pair for each present attribute.
    void DescribeTo(CStringArray& list) const;
    // How many attributes are present.
    int GetPresentCount() const;

private:
    static constexpr size_t kSlotCount = 12;

    // Key Encrypted holds bytes, every other attribute text; the slot of Key Encrypted in
    // m_texts stays empty.
    std::array<CRCPtr<CString>, kSlotCount> m_texts;
    CRCPtr<CByteArray> m_encrypted;

    bool IsPresent(size_t nSlot) const;
    // Puts a new value, built from the bytes, in the slot; the old one is released.
    void Store(size_t nSlot, std::span<const BYTE> value);
};
