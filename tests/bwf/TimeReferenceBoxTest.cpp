// The bext page's time reference box: a typed timecode at the file's rate or a sample count is
// stored in the two halves of the time reference; any other text is refused and changes nothing.

#include <gtest/gtest.h>

#include "BwfTestHelpers.h"
#include "SaveSupport.h"
#include "bwf/BEXTChunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/fields/BextFields.h"
#include "pages/RiffChunk.h"

namespace {

std::uint64_t TimeReference(const CChunk& bext) {
    return ReadNumber(bext, *kBextFields.Find("TimeReferenceLow")) |
           std::uint64_t{ReadNumber(bext, *kBextFields.Find("TimeReferenceHigh"))} << 32;
}

struct TypedRow {
    const char* typed;
    std::optional<std::uint64_t> stored;  // nothing: refused
};

TEST(TimeReferenceBoxTest, TypedTimecodeOrSamplesAreStoredAndOtherTextIsRefused) {
    testfiles::BextFields fields;
    fields.timeReferenceLow = 4410;  // 00:00:00:02 at 44100 Hz and 25 fps
    const TypedRow rows[] = {
        {"00:00:00:02", 4410},
        {"01:00:00:00", 44100ull * 3600},
        {" 23:59:59:24 ", 44100ull * 86399 + 24 * 1764},
        {"6000000000", 6000000000},
        {"25:00:00:00", std::nullopt},
        {"00:00:00:25", std::nullopt},
        {"1:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const TypedRow& row : rows) {
        SCOPED_TRACE(row.typed);
        testfiles::TempDir dir;
        testfiles::writeFile(dir.file("a.wav"), testfiles::BroadcastWave(fields, 16));
        CRiffChunk root;
        ASSERT_TRUE(root.Load(dir.file("a.wav")));
        auto& bext = dynamic_cast<CBEXTChunk&>(*root.GetChild(0));
        CreatePageOf(&bext, nullptr);
        EXPECT_EQ(bwftest::BoxText(bext.m_page, 1102), "00:00:00:02");
        EXPECT_TRUE(bwftest::IsReadOnly(bext.m_page, 1015));
        savetest::MessageLog log;
        bwftest::Type(bext.m_page, 1102, row.typed);
        bext.m_page.UpdateChunk();
        EXPECT_EQ(TimeReference(bext), row.stored.value_or(4410));
        ASSERT_EQ(log.messages.size(), row.stored ? 0u : 1u);
        if (!row.stored) {
            EXPECT_EQ(log.messages[0].text.rfind("bext TimeReference \"", 0), 0u);
            EXPECT_NE(log.messages[0].text.find("hh:mm:ss:ff at 25 fps, or a number of samples"),
                      CString::npos);
        }
    }
}

}  // namespace
