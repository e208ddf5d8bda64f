#pragma once
// A fmt or fact chunk made by the registry, read from bytes the test gives, with its page.

#include <gtest/gtest.h>

#include <memory>

#include "ChunkOnDisk.h"
#include "core/chunks/ChunkRegistry.h"
#include "pages/ChunkPage.h"

template <class TChunk>
class ChunkFixture : public ::testing::Test {
protected:
    // The chunk of id strId holding `payload`, or a declared size that differs from it.
    TChunk& Load(const char* strId, const testfiles::Bytes& payload,
                 std::optional<std::uint32_t> size = std::nullopt) {
        m_pChunk.reset(dynamic_cast<TChunk*>(g_chunkRegistry.CreateChunk(strId)));
        EXPECT_NE(m_pChunk, nullptr) << "no chunk class registered for \"" << strId << "\"";
        if (!m_pChunk) {
            m_pChunk = std::make_unique<TChunk>();
        }
        EXPECT_TRUE(testfiles::ReadChunk(*m_pChunk, {strId, payload, true, size}, m_dir));
        return *m_pChunk;
    }
    CChunkPage& Page() { return *m_pChunk->CreatePage(nullptr); }
    // What Write puts into a file, after the page has stored its values.
    testfiles::Bytes Saved() {
        Page().UpdateChunk();
        return testfiles::WrittenChunk(*m_pChunk, m_dir);
    }
    // The bytes of a chunk `strId` that holds `payload`, as a save should write them.
    static testfiles::Bytes AsChunk(const char* strId, const testfiles::Bytes& payload) {
        return testfiles::ChunkBytes({strId, payload});
    }

    testfiles::TempDir m_dir;
    testfiles::MessageRecorder m_messages;
    std::unique_ptr<TChunk> m_pChunk;
};
