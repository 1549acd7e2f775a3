#include "objcomm/key_record.h"

#include "objcomm/errors.h"
#include "objcomm/hex.h"
#include "objcomm/key_tags.h"
#include "objcomm/length_prefix.h"

namespace {

// A tagged item's value is counted in two bytes wherever it travels.
constexpr int kItemLengthMode = kCountWord;

constexpr BYTE kMemberOrder[] = {
    kTagCheck,  kTagComment,    kTagCreated,   kTagEncrypted,     kTagExpiration, kTagGenerator,
    kTagHolder, kTagIdentifier, kTagInjection, kTagTransformCode, kTagVersion,    kTagNumber,
};

// Index of the tag in member order, or -1 for a tag without a slot.
int SlotOf(int nTag) {
    for (size_t slot = 0; slot < std::size(kMemberOrder); ++slot) {
        if (kMemberOrder[slot] == nTag) return static_cast<int>(slot);
    }
    return -1;
}

}  // namespace

bool CKeyRecord::SetField(int nTag, const CByteArray& value) {
    const int slot = SlotOf(nTag);
    if (slot < 0) return false;
    Store(static_cast<size_t>(slot), value);
    return true;
}

size_t CKeyRecord::ReadItem(CInBinaryString& reader) {
    const BYTE tag = reader.ReadByte();
    // The value is built straight from the frame's bytes.
    const std::span<const BYTE> value = reader.ReadField(kItemLengthMode);
    const int slot = SlotOf(tag);
    if (slot < 0) throw CPassThruParseError();
    Store(static_cast<size_t>(slot), value);
    return 1 + PrefixWidth(kItemLengthMode) + value.size();
}

void CKeyRecord::Store(size_t nSlot, std::span<const BYTE> value) {
    // A new block with the value inside it. The swap puts it in the slot and hands the old
    // block to `fresh`, which releases it on leaving: no count changes but that release.
    if (kMemberOrder[nSlot] == kTagEncrypted) {
        CRCPtr<CByteArray> fresh(std::in_place, value.begin(), value.end());
        m_encrypted.Swap(fresh);
    } else {
        CRCPtr<CString> fresh(std::in_place, reinterpret_cast<const char*>(value.data()),
                              value.size());
        m_texts[nSlot].Swap(fresh);
    }
}

bool CKeyRecord::IsPresent(size_t nSlot) const {
    return kMemberOrder[nSlot] == kTagEncrypted ? !m_encrypted.IsNull() : !m_texts[nSlot].IsNull();
}

void CKeyRecord::AppendTo(COutBinaryString& out, int nPrefix) const {
    out.SetPrefix(nPrefix);
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        if (!IsPresent(slot)) continue;
        out.AppendByte(kMemberOrder[slot]);
        if (kMemberOrder[slot] == kTagEncrypted) {
            out.AppendBytes(*m_encrypted);
        } else {
            out.AppendString(*m_texts[slot]);
        }
    }
}

void CKeyRecord::DescribeTo(CStringArray& list) const {
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        if (!IsPresent(slot)) continue;
        const BYTE tag = kMemberOrder[slot];
        list.push_back("Tag Type");
        if (tag == kTagEncrypted) {
            list.push_back("Key Encrypted");
            list.push_back("Item Value");
            list.push_back(FormatHexSpaced(*m_encrypted));
        } else {
            list.push_back(CString("Key ") + GetKeyTagName(tag));
            list.push_back("Item Value");
            list.push_back(*m_texts[slot]);
        }
    }
}

int CKeyRecord::GetPresentCount() const {
    int count = 0;
    for (size_t slot = 0; slot < kSlotCount; ++slot) count += IsPresent(slot) ? 1 : 0;
    return count;
}
