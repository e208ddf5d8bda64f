// The chunk type registry: its prototypes, and new chunks made by id.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "pages/ListChunk.h"

namespace {

// The order in which the first chunk classes join the registry, which is also the order of the
// search; the kinds added later follow them.
const std::vector<std::string> kRegistrationOrder = {"RIFF", "LIST", "bext", "mext", "fmt ",
                                                     "fact", "data", "iXML", "cue ", "ds64",
                                                     "cart", "smpl", "inst"};

std::vector<const CChunk*> Prototypes() {
    std::vector<const CChunk*> prototypes;
    for (CObject* pObject : g_chunkRegistry) {
        prototypes.push_back(static_cast<const CChunk*>(pObject));
    }
    return prototypes;
}

std::string ClassName(const CChunk& chunk) {
    return chunk.GetRuntimeClass()->m_lpszClassName;
}

TEST(ChunkRegistryTest, PrototypesStandInRegistrationOrder) {
    std::vector<std::string> names;
    for (const CChunk* pPrototype : Prototypes()) {
        names.push_back(pPrototype->m_strName);
        EXPECT_EQ(pPrototype->m_ck.ckid,
                  mmioStringToFOURCC(pPrototype->m_strName.c_str(), MMIO_TOUPPER));
        EXPECT_EQ(pPrototype->m_pParent, nullptr);
        EXPECT_TRUE(pPrototype->IsEmpty());
        EXPECT_EQ(pPrototype->Data(), nullptr);
    }
    // Classes that are not built yet have no prototype; those present keep the order.
    std::vector<std::string> expected;
    std::copy_if(kRegistrationOrder.begin(), kRegistrationOrder.end(), std::back_inserter(expected),
                 [&](const std::string& name) {
                     return std::find(names.begin(), names.end(), name) != names.end();
                 });
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + expected.size()), expected);
    EXPECT_EQ(names.front(), "RIFF");
    EXPECT_EQ(names[1], "LIST");
}

TEST(ChunkRegistryTest, IdsFindTheirClassWhateverTheLetterCase) {
    const struct {
        const char* id;
        const char* className;
        const char* name;
    } rows[] = {
        {"RIFF", "CRiffChunk", "RIFF"},       {"riff", "CRiffChunk", "RIFF"},
        {"LIST", "CListChunk", "LIST"},       {"list", "CListChunk", "LIST"},
        {"data", "CdataChunk", "data"},       {"Data", "CdataChunk", "data"},
        {"DATA", "CdataChunk", "data"},       {"junk", "CNamedChunk", "JUNK"},
        {"abcd", "CUnknownChunk", "Unknown"}, {"dat", "CUnknownChunk", "Unknown"},
        {"", "CUnknownChunk", "Unknown"},     {"datax", "CdataChunk", "data"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(CString(row.id)));
        ASSERT_NE(pChunk, nullptr);
        EXPECT_EQ(ClassName(*pChunk), row.className);
        EXPECT_EQ(pChunk->m_strName, row.name);
        EXPECT_EQ(pChunk->m_ck.ckid, 0u);  // Read fills it in from the file
        EXPECT_EQ(pChunk->m_pParent, nullptr);
    }
}

TEST(ChunkRegistryTest, ShortIdIsPaddedWithBlanks) {
    const std::unique_ptr<CChunk> pShort(g_chunkRegistry.CreateChunk(CString("fmt")));
    const std::unique_ptr<CChunk> pFull(g_chunkRegistry.CreateChunk(CString("fmt ")));
    EXPECT_EQ(ClassName(*pShort), ClassName(*pFull));
    EXPECT_EQ(pShort->m_strName, pFull->m_strName);
}

TEST(ChunkRegistryTest, FourccFormComparesWithTheUpperCasedIds) {
    const std::unique_ptr<CChunk> pUpper(
        g_chunkRegistry.CreateChunk(mmioStringToFOURCC("DATA", 0)));
    EXPECT_EQ(ClassName(*pUpper), "CdataChunk");
    const std::unique_ptr<CChunk> pLower(
        g_chunkRegistry.CreateChunk(mmioStringToFOURCC("data", 0)));
    EXPECT_EQ(pLower->m_strName, "Unknown");
}

TEST(ChunkRegistryTest, EachCallGivesANewObject) {
    const std::unique_ptr<CChunk> pFirst(g_chunkRegistry.CreateChunk(CString("data")));
    const std::unique_ptr<CChunk> pSecond(g_chunkRegistry.CreateChunk(CString("data")));
    EXPECT_NE(pFirst, pSecond);
    for (const CChunk* pPrototype : Prototypes()) {
        EXPECT_NE(pFirst.get(), pPrototype);
        EXPECT_NE(pSecond.get(), pPrototype);
    }
    const std::unique_ptr<CChunk> pUnknown1(g_chunkRegistry.CreateChunk(CString("junk")));
    const std::unique_ptr<CChunk> pUnknown2(g_chunkRegistry.CreateChunk(CString("junk")));
    EXPECT_NE(pUnknown1, pUnknown2);
}

TEST(ChunkRegistryTest, ChunksMadeOutsideTheListOfKindsLeaveTheRegistryAlone) {
    const auto nBefore = g_chunkRegistry.GetCount();
    const CListChunk chunk;
    const std::unique_ptr<CChunk> pMade(g_chunkRegistry.CreateChunk(CString("list")));
    EXPECT_EQ(chunk.m_strName, "LIST");
    EXPECT_EQ(g_chunkRegistry.GetCount(), nBefore);
}

}  // namespace
