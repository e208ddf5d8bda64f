// Each chunk kind without fields of its own shows its page, created once.

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <memory>

#include "pages/ChunkPage.h"
#include "pages/DataChunk.h"
#include "pages/ListChunk.h"
#include "pages/RiffChunk.h"
#include "pages/UnknownChunk.h"

namespace {

TEST(ChunkPagesTest, EachChunkKindShowsItsOwnPageOnce) {
    const struct {
        std::unique_ptr<CChunk> pChunk;
        const char* text;
    } rows[] = {
        {std::make_unique<CRiffChunk>(), "RIFF Chunk"},
        {std::make_unique<CListChunk>(), "LIST chunk"},
        {std::make_unique<CdataChunk>(), "data chunk."},
        {std::make_unique<CUnknownChunk>(), "Unknown Chunk"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CChunkPage* pPage = CreatePageOf(row.pChunk.get(), nullptr);
        ASSERT_NE(pPage, nullptr);
        ASSERT_NE(pPage->GetSafeHwnd(), nullptr);
        EXPECT_EQ(pPage->m_pChunk, row.pChunk.get());
        const QWidget* pWindow = pPage->GetSafeHwnd();
        // The page's line first; a LIST page names its list type below it.
        const QList<QLabel*> labels = pWindow->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), row.text == std::string("LIST chunk") ? 2 : 1);
        EXPECT_EQ(labels[0]->text().toStdString(), row.text);
        EXPECT_EQ(CreatePageOf(row.pChunk.get(), nullptr), pPage);
        EXPECT_EQ(pPage->GetSafeHwnd(), pWindow);
    }
}

}  // namespace
