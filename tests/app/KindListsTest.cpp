// The lists that name chunk kinds are read from the list of kinds: each kind a user adds is
// offered by ovalis-cli's add (its help and the chunk it makes) and by the window's Add chunk
// question; each kind whose fields batch edits name has them among the table's columns; each
// kind without a page of its own shows its fields on a page laid out from its table.

#include <gtest/gtest.h>

#include <QRadioButton>
#include <memory>

#include "SaveSupport.h"
#include "TestFiles.h"
#include "app/AddChunkDialog.h"
#include "cli/CliRunner.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/ChunkInsert.h"
#include "core/kinds/ChunkKind.h"
#include "pages/ChunkPage.h"
#include "pages/FieldTablePage.h"
#include "pages/KindPages.h"
#include "pages/PagedChunk.h"
#include "table/TableColumns.h"

namespace {

std::string Unwrapped(std::string text) {
    for (std::size_t at = text.find("\n    "); at != std::string::npos;
         at = text.find("\n    ", at)) {
        text.replace(at, 5, " ");
    }
    return text;
}

TEST(KindListsTest, EachAddableKindIsOfferedAndMadeByTheCliAndTheWindow) {
    const std::vector<const ChunkKind*> kinds = AddableKinds();
    ASSERT_FALSE(kinds.empty());
    const std::string help = Unwrapped(clitest::RunCli({"--help"}).out);
    const std::string addHelp =
        help.substr(help.find("\nadd "), help.find("\nremove ") - help.find("\nadd "));
    testfiles::TempDir dir;
    CRiffChunkModel empty;
    const CAddChunkDialog question(nullptr, empty);
    ASSERT_EQ(question.Choices().size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const ChunkKind& kind = *kinds[i];
        const std::string name = kind.newChunk->name;
        SCOPED_TRACE(name);
        EXPECT_NE(addHelp.find(" " + name), std::string::npos) << addHelp;
        EXPECT_EQ(question.Choices()[i]->text().toStdString(), kind.newChunk->label);

        const std::string path = dir.file(name + ".wav");
        testfiles::writeFile(path, savetest::PcmWave(1000));
        EXPECT_EQ(clitest::RunCli({"add", name, path}).exitCode, 0);
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path.c_str()));
        EXPECT_TRUE(HasChunkOfKind(root, kind));
    }
}

TEST(KindListsTest, EachBatchKindsStoredFieldsAreColumnsOfTheTable) {
    int nKinds = 0;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.batchFields == BatchFields::None) {
            continue;
        }
        ++nKinds;
        SCOPED_TRACE(kind.id);
        for (const FieldLayout& field : kind.fieldTables.front()->fields) {
            if (!field.stored) {
                continue;
            }
            const int nColumn = ColumnIndexOf(field.name);
            ASSERT_GE(nColumn, 0) << field.name;
            const char* pGroup = TableColumns()[static_cast<std::size_t>(nColumn)].pGroup;
            EXPECT_STREQ(pGroup, kind.batchFields == BatchFields::Grouped ? kind.id : nullptr);
        }
    }
    EXPECT_GT(nKinds, 0);
}

TEST(KindListsTest, EachKindWithoutAPageOfItsOwnShowsItsFieldsFromItsTable) {
    int nKinds = 0;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (!ShowsFieldTablePage(kind)) {
            continue;
        }
        ++nKinds;
        SCOPED_TRACE(kind.id);
        const std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(CString(kind.id)));
        ASSERT_NE(pChunk, nullptr);
        CChunkPage* pPage = CreatePageOf(pChunk.get(), nullptr);
        ASSERT_NE(dynamic_cast<CFieldTablePage*>(pPage), nullptr);
        EXPECT_EQ(CreatePageOf(pChunk.get(), nullptr), pPage);
        const auto fields = kind.fieldTables.front()->fields;
        for (std::size_t nRow = 0; nRow < fields.size(); ++nRow) {
            EXPECT_NE(pPage->GetDlgItem(1300 + static_cast<int>(nRow)), nullptr)
                << fields[nRow].name;
        }
    }
    EXPECT_GT(nKinds, 0);
}

}  // namespace
