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
    if (nTag == kTagEncrypted) {
        m_encrypted = CRCPtr<CByteArray>(new CByteArray(value));
    } else {
        m_texts[static_cast<size_t>(slot)] =
            CRCPtr<CString>(new CString(value.begin(), value.end()));
    }
    return true;
}

size_t CKeyRecord::ReadItem(CInBinaryString& reader) {
    const BYTE tag = reader.ReadByte();
    CByteArray value;
    reader.ReadBytes(value, kItemLengthMode);
    if (!SetField(tag, value)) throw CPassThruParseError();
    return 1 + PrefixWidth(kItemLengthMode) + value.size();
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
