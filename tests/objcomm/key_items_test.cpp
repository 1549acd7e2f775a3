#include <gtest/gtest.h>

#include <stdexcept>

#include "objcomm/errors.h"
#include "objcomm/key_record.h"
#include "objcomm/key_request_response.h"
#include "objcomm/key_tags.h"
#include "objcomm/length_prefix.h"
#include "objcomm/rc_ptr.h"
#include "objcomm/station/bulk_process_response.h"
#include "objcomm/station/bulk_serial_process_response.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

// Counts its own destructions, to see that shared objects die exactly once.
struct CCounted {
    explicit CCounted(int& nDestroyed) : m_nDestroyed(nDestroyed) {}
    virtual ~CCounted() { ++m_nDestroyed; }
    int& m_nDestroyed;
};

// Copies, assignment to itself and to another object: each object dies once, with its last
// pointer.
TEST(RCPtr, ObjectDiesOnceWithItsLastPointer) {
    int first = 0, second = 0;
    CRCPtr<CCounted> ptr(new CCounted(first));
    {
        CRCPtr<CCounted> copy(ptr), assigned;
        assigned = copy;
        ptr = ptr;
        EXPECT_EQ(assigned.Get(), ptr.Get());
    }
    EXPECT_EQ(first, 0);
    ptr = CRCPtr<CCounted>(new CCounted(second));
    EXPECT_EQ(first, 1);
    ptr = CRCPtr<CCounted>();
    EXPECT_TRUE(ptr.IsNull());
    EXPECT_EQ(second, 1);
}

// Its object lives inside the block: destroyed once, with the last holder, and never freed
// on its own (AddressSanitizer would see a bad free or a double one).
TEST(RCPtr, AnObjectMadeInPlaceDiesWithItsLastHolderOnce) {
    int destroyed = 0;
    {
        CRCPtr<CCounted> first(std::in_place, destroyed);
        {
            CRCPtr<CCounted> second(first);
            CRCPtr<CCounted> third;
            third = second;
            first = CRCPtr<CCounted>();
            EXPECT_EQ(destroyed, 0);
            EXPECT_FALSE(third.IsNull());
        }
        EXPECT_EQ(destroyed, 1);
        EXPECT_TRUE(first.IsNull());
    }
    EXPECT_EQ(destroyed, 1);
}

// The block must not delete an object that was never built (LeakSanitizer sees a leak,
// AddressSanitizer a bad free).
TEST(RCPtr, AnObjectWhoseConstructorThrowsLeavesNothingBehind) {
    struct CThrows {
        CThrows() : m_text(40, 'x') { throw std::runtime_error("no"); }
        CString m_text;
    };
    EXPECT_THROW(CRCPtr<CThrows>{std::in_place}, std::runtime_error);
}

// A command kept outside its response outlives it (AddressSanitizer watches the reads).
TEST(RCPtr, ABulkCommandSharedOutsideOutlivesItsResponse) {
    CRCPtr<CBulkSerialProcessCommand> kept;
    {
        auto response = Decode(
            PassThroughFrame(0x0E, Hex("81 0002 0009 03 0002 ffff 0002 9000  0005 00 0000 0000")));
        kept = dynamic_cast<CRspBulkSerialProcess&>(*response).m_arrCommands[1];
    }
    EXPECT_EQ(kept->Describe()[1], "Reset Card");
}

TEST(RCPtr, ABulkProcessCommandSharedOutsideOutlivesItsResponse) {
    CRCPtr<CBulkProcessCommand> kept;
    {
        auto response = Decode(PassThroughFrame(
            CRspBulkProcess::kSubCommand, Hex("0002  0010 58 0A 33 0007 00D6000002AABB 02 02 9000"
                                              "      000D 58 0A 33 0007 00D6000102CCDD 00")));
        kept = dynamic_cast<CRspBulkProcess&>(*response).m_arrCommands[1];
    }
    EXPECT_EQ(HexOf(kept->m_process.m_commandData.GetBytes()), "00D6000102CCDD");
    EXPECT_EQ(HexOf(kept->m_process.m_arrLcData), "CCDD");
    EXPECT_EQ(kept->Describe().back(), "TBP is not responsible to check result");
}

TEST(RCPtr, AKeyRequestFieldSharedOutsideOutlivesItsResponse) {
    CRCPtr<CKeyField> kept;
    {
        auto response =
            Decode(LongFrame(CRspKeyRequest::kCommand, Hex("01 0002 4142  04 0002 0AFF  0A 0011 "
                                                           "6120636F6D6D656E74206F766572203135")));
        kept = dynamic_cast<CRspKeyRequest&>(*response).m_arrFields[2];
    }
    EXPECT_EQ(kept->m_nTag, 10);
    EXPECT_EQ(kept->m_strText, "a comment over 15");
}

TEST(KeyRecord, WritesAndDescribesInMemberOrderNotArrivalOrder) {
    CKeyRecord record;
    ASSERT_TRUE(record.SetField(kTagNumber, {'7'}));
    ASSERT_TRUE(record.SetField(kTagCheck, {'A', 'B'}));
    COutBinaryString out;
    record.AppendTo(out, kCountWord);
    EXPECT_EQ(HexOf(out.GetBytes()), "030002414201000137");
    CStringArray list;
    record.DescribeTo(list);
    EXPECT_EQ(list, (CStringArray{"Tag Type", "Key Check", "Item Value", "AB", "Tag Type",
                                  "Key Number", "Item Value", "7"}));
    EXPECT_EQ(record.GetPresentCount(), 2);
}

TEST(KeyRecord, BadTagIsReadWholeThenRejectedAndChangesNothing) {
    CKeyRecord record;
    CInBinaryString in(Hex("0C 00 01 00"));
    EXPECT_THROW(record.ReadItem(in), CPassThruParseError);
    EXPECT_EQ(in.m_nPos, 4);
    EXPECT_FALSE(record.SetField(0, {'x'}));
    EXPECT_EQ(record.GetPresentCount(), 0);
}

}  // namespace
