// The list of chunk kinds is what the registry, the field table lookup and the details read.

#include <gtest/gtest.h>

#include <memory>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/fields/FormatFields.h"
#include "core/kinds/ChunkKind.h"

namespace {

struct KindRow {
    const char* id;
    const char* kindId;  // null: no kind
};

class KindOfIdTest : public testing::TestWithParam<KindRow> {};

TEST_P(KindOfIdTest, IgnoresLetterCaseLikeTheRegistry) {
    const ChunkKind* pKind = KindOfId(mmioStringToFOURCC(GetParam().id, 0));
    ASSERT_EQ(pKind != nullptr, GetParam().kindId != nullptr);
    if (pKind) {
        EXPECT_STREQ(pKind->id, GetParam().kindId);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, KindOfIdTest,
                         testing::Values(KindRow{"list", "LIST"}, KindRow{"BEXT", "bext"},
                                         KindRow{"FMT ", "fmt "}, KindRow{"MD5 ", "MD5 "},
                                         KindRow{"xtra", nullptr}));

// Every kind with a class gets a chunk of that class from the registry, whose fields are the
// kind's first table.
TEST(ChunkKindsTest, TheRegistryAndTheFieldLookupAgreeWithTheList) {
    for (const ChunkKind& kind : ChunkKinds()) {
        if (!kind.modelClass) {
            continue;
        }
        std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(kind.id));
        ASSERT_TRUE(pChunk) << kind.id;
        EXPECT_TRUE(pChunk->IsKindOf(kind.modelClass)) << kind.id;
        const FieldTable* pExpected =
            kind.fieldTables.empty() || kind.pickFields ? nullptr : kind.fieldTables.front();
        EXPECT_EQ(FieldTableOf(*pChunk), pExpected) << kind.id;
    }
}

TEST(ChunkKindsTest, FormatFieldsGoByTheTagOfThePayload) {
    std::unique_ptr<CChunk> pFormat(g_chunkRegistry.CreateChunk("fmt "));
    const BYTE kMpegTag[2] = {0x50, 0x00};
    ASSERT_TRUE(pFormat->SetData(kMpegTag, 2));
    EXPECT_EQ(FieldTableOf(*pFormat), &kMpegFormatFields);
}

}  // namespace
