// Payloads shorter than the layout: each text field uses the part of it inside the payload, a
// number only when it is whole; boxes of fields outside are empty and read-only, and nothing is
// read or written past the payload.

#include <gtest/gtest.h>

#include "BEXTPageFixture.h"

namespace {

using bwftest::BEXTPageTest;
using bwftest::BoxText;
using bwftest::Bytes;
using bwftest::IsReadOnly;

struct BoxState {
    int nID;
    CString shown;  // empty and read-only when the field lies outside the payload
    bool bOutside;
};

struct ShortCase {
    std::size_t nSize;
    std::vector<BoxState> boxes;
};

// The distinct payload's texts, cut where the payload ends.
std::vector<ShortCase> Cases() {
    const BoxState description{1009, "A description of the take", false};
    const BoxState originator{1011, "Originating station", false};
    const BoxState reference{1010, "REF-0042-ORIG", false};
    const BoxState date{1013, "2024-05-06", false};
    const BoxState time{1014, "07:08:09", false};
    // Shown only, whatever the payload holds.
    const BoxState low{1015, "12345678", true};
    const BoxState high{1008, "9ABCDEF0", true};
    const BoxState version{1016, "2", true};
    const auto outside = [](int nID) { return BoxState{nID, "", true}; };
    return {
        {0,
         {outside(1009), outside(1011), outside(1010), outside(1013), outside(1014), outside(1015),
          outside(1008), outside(1016), outside(1012)}},
        {300,
         {description,
          originator,
          {1010, "REF-0042-ORI", false},
          outside(1013),
          outside(1014),
          outside(1015),
          outside(1008),
          outside(1016),
          outside(1012)}},
        {340,
         {description, originator, reference, date, time, outside(1015), outside(1008),
          outside(1016), outside(1012)}},
        {601, {description, originator, reference, date, time, low, high, version, outside(1012)}},
        {602, {description, originator, reference, date, time, low, high, version, outside(1012)}},
        {603,
         {description, originator, reference, date, time, low, high, version, {1012, "A", false}}},
    };
}

TEST_F(BEXTPageTest, ShortPayloadsShowWhatTheyHoldAndLockTheRest) {
    const Bytes full = bwftest::DistinctPayload();
    for (const ShortCase& c : Cases()) {
        Show(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.nSize)));
        ASSERT_EQ(m_chunk->DataSize(), c.nSize);
        for (const BoxState& box : c.boxes) {
            EXPECT_EQ(BoxText(Page(), box.nID), box.shown)
                << "size " << c.nSize << ", box " << box.nID;
            EXPECT_EQ(IsReadOnly(Page(), box.nID), box.bOutside)
                << "size " << c.nSize << ", box " << box.nID;
        }
    }
}

TEST_F(BEXTPageTest, ShortPayloadsAreWrittenOnlyInside) {
    const Bytes full = bwftest::DistinctPayload();
    for (const ShortCase& c : Cases()) {
        const Bytes before(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.nSize));
        Show(before);
        for (const BoxState& box : c.boxes) {
            if (!box.bOutside) {
                bwftest::Type(Page(), box.nID, std::string(300, 'w').c_str());
            }
        }
        const Bytes saved = Saved();
        ASSERT_EQ(saved.size(), c.nSize);
        // Text fields fill bytes 0 to 337 and 602 on; the numbers and reserved bytes between
        // are never written.
        for (std::size_t i = 0; i < c.nSize; ++i) {
            const bool bText = i < 338 || i >= 602;
            ASSERT_EQ(saved[i], bText ? 'w' : before[i]) << "size " << c.nSize << ", byte " << i;
        }
    }
}

}  // namespace
