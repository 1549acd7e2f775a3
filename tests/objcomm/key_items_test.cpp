#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/key_record.h"
#include "objcomm/key_tags.h"
#include "objcomm/rc_ptr.h"
#include "tests/support/frames.h"

using station_test::Hex;
using station_test::HexOf;

namespace {

// Counts its own destructions, to see that shared objects die exactly once.
struct CCounted {
    explicit CCounted(int& nDestroyed) : m_nDestroyed(nDestroyed) {}
    virtual ~CCounted() { ++m_nDestroyed; }
    int& m_nDestroyed;
};

TEST(RCPtr, LastOfThreeCopiesDestroysTheObjectOnce) {
    int destroyed = 0;
    {
        CRCPtr<CCounted> first(new CCounted(destroyed));
        {
            CRCPtr<CCounted> second(first);
            CRCPtr<CCounted> third;
            third = second;
            EXPECT_EQ(third.Get(), first.Get());
        }
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(RCPtr, SelfAndSameBlockAssignmentKeepTheObject) {
    int destroyed = 0;
    CRCPtr<CCounted> ptr(new CCounted(destroyed));
    CRCPtr<CCounted> copy(ptr);
    ptr = ptr;
    ptr = copy;
    copy = CRCPtr<CCounted>();
    EXPECT_EQ(destroyed, 0);
    EXPECT_FALSE(ptr.IsNull());
    EXPECT_TRUE(copy.IsNull());
}

TEST(RCPtr, ReassignmentReleasesTheOldObject) {
    int first = 0, second = 0;
    CRCPtr<CCounted> ptr(new CCounted(first));
    ptr = CRCPtr<CCounted>(new CCounted(second));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
}

TEST(KeyTags, NamesKnownTagsAndCallsTheRestUnknown) {
    EXPECT_STREQ(GetKeyTagName(13), "TransformCode");
    EXPECT_STREQ(GetKeyTagName(4), "Key Encrypted");
    for (int tag : {0, 12, 14, 255}) EXPECT_STREQ(GetKeyTagName(tag), "Unknown") << tag;
}

TEST(KeyRecord, WritesAndDescribesInMemberOrderNotArrivalOrder) {
    CKeyRecord record;
    ASSERT_TRUE(record.SetField(KEY_TAG_NUMBER, {'7'}));
    ASSERT_TRUE(record.SetField(KEY_TAG_CHECK, {'A', 'B'}));
    COutBinaryString out;
    record.AppendTo(out, -2);
    EXPECT_EQ(HexOf(out.GetBytes()), "03000241420100013" "7");
    CStringArray list;
    record.DescribeTo(list);
    EXPECT_EQ(list, (CStringArray{"Tag Type", "Key Check", "Item Value", "AB", "Tag Type",
                                  "Key Number", "Item Value", "7"}));
    EXPECT_EQ(record.GetPresentCount(), 2);
}

TEST(KeyRecord, EncryptedKeyIsBytesShownSpaced) {
    CKeyRecord record;
    ASSERT_TRUE(record.SetField(KEY_TAG_ENCRYPTED, Hex("0A FF")));
    CStringArray list;
    record.DescribeTo(list);
    EXPECT_EQ(list, (CStringArray{"Tag Type", "Key Encrypted", "Item Value", "0a ff"}));
}

TEST(KeyRecord, RepeatedTagReplacesAndBadTagChangesNothing) {
    CKeyRecord record;
    record.SetField(KEY_TAG_VERSION, {'1'});
    record.SetField(KEY_TAG_VERSION, {'2'});
    EXPECT_FALSE(record.SetField(12, {'x'}));
    EXPECT_FALSE(record.SetField(0, {'x'}));
    CStringArray list;
    record.DescribeTo(list);
    EXPECT_EQ(list, (CStringArray{"Tag Type", "Key Version", "Item Value", "2"}));
}

TEST(KeyRecord, BadTagIsReadWholeThenRejected) {
    CKeyRecord record;
    CInBinaryString in(Hex("0C 00 01 00"));
    EXPECT_THROW(record.ReadItem(in), CPassThruParseError);
    EXPECT_EQ(in.m_nPos, 4);
    EXPECT_EQ(record.GetPresentCount(), 0);
}

TEST(KeyRecord, ItemSizeCountsTagLengthAndValue) {
    CKeyRecord record;
    CInBinaryString in(Hex("01 00 03 41 42 43"));
    EXPECT_EQ(record.ReadItem(in), 6u);
}

}  // namespace
