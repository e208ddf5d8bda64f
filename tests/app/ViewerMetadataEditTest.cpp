// The window edits metadata a file lacks: a chunk added from the Overview gets its tab and
// counts as an unsaved edit; INFO, iXML and marker edits and a generated UMID, saved by the
// window, read back as the command line reads them; a refused value is said and not stored.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "SaveSupport.h"
#include "ViewerTestSupport.h"
#include "app/AddChunkDialog.h"
#include "app/ViewerDlg.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MetadataValues.h"
#include "pages/ChunkPage.h"
#include "pages/EditTable.h"

namespace {

// The kinds a user adds, in their list's order.
enum Kind { kInfo, kBext, kIxml, kCue };

class ViewerMetadataEditTest : public ::testing::Test {
protected:
    void Start() {
        m_path = dir.file("Take.wav");
        testfiles::writeFile(m_path, savetest::PcmWave(30000));
        dlg = std::make_unique<CViewerDlg>(m_path);
        ASSERT_TRUE(dlg->Create(130));
    }
    CChunkPage& PageOf(Kind kind) {
        const ChunkKind& newKind = *AddableKinds()[kind];
        CChunk* pChunk = newKind.newChunk->listType
                             ? FindList(*dlg->m_pRoot, newKind.newChunk->listType)
                             : FindChunk(*dlg->m_pRoot, newKind.id);
        return *CreatePageOf(pChunk, dlg.get());
    }

    testfiles::TempDir dir;
    viewertest::ScopedMessageBoxRecorder boxes;
    viewertest::ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
    CString m_path;
};

void TypeCell(CWnd& page, int nRow, int nColumn, const char* pText) {
    TableOf(page)->item(nRow, nColumn)->setText(pText);
}

void AddInfoEntry(CWnd& page, const char* pId, const char* pText) {
    static_cast<QComboBox*>(page.GetDlgItem(IDC_TABLE_PICKER)->GetSafeHwnd())->setEditText(pId);
    savetest::ClickButton(page, IDC_TABLE_ADD);
    TypeCell(page, TableOf(page)->currentRow(), 2, pText);
}

CString MarkersText(const CRiffChunkModel& root) {
    CString strText;
    const CMarkerList markers = MarkersOf(root);
    for (const Marker& marker : markers.Markers()) {
        strText += std::to_string(marker.id) + "@" + std::to_string(marker.position) + " " +
                   marker.label + ";";
    }
    return strText;
}

CString Value(const CRiffChunkModel& root, const char* pName) {
    return MetadataValue(root, pName).value_or("(none)");
}

TEST_F(ViewerMetadataEditTest, EachAddedKindGetsATabAndIsSavedAsAnEdit) {
    for (int nKind = kInfo; nKind <= kCue; ++nKind) {
        const ChunkKind& kind = *AddableKinds()[nKind];
        SCOPED_TRACE(kind.newChunk->label);
        Start();
        const int nTabs = dlg->m_tab.GetItemCount();
        EXPECT_FALSE(dlg->HasUnsavedEdits());
        dlg->AddNewChunk(kind);
        EXPECT_EQ(dlg->m_tab.GetItemCount(), nTabs + 1);
        EXPECT_EQ(dlg->m_tab.GetItemText(dlg->m_tab.GetCurSel()),
                  PageOf(Kind(nKind)).m_pChunk->m_strName);
        EXPECT_TRUE(dlg->HasUnsavedEdits());
        EXPECT_FALSE(CAddChunkDialog(nullptr, *dlg->m_pRoot).Choices()[nKind]->isEnabled());
        ASSERT_TRUE(dlg->SaveFile(m_path));
        EXPECT_TRUE(HasChunkOfKind(*dlg->m_pRoot, kind));
        EXPECT_FALSE(dlg->HasUnsavedEdits());
    }
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ViewerMetadataEditTest, TextTypedBeforeAChunkIsAddedIsSavedWithIt) {
    m_path = dir.file("News.wav");
    viewertest::WriteBroadcastWave(m_path, "Morning news");
    dlg = std::make_unique<CViewerDlg>(m_path);
    ASSERT_TRUE(dlg->Create(130));
    savetest::SetBoxText(PageOf(kBext), 1009, "Evening news");
    dlg->AddNewChunk(*AddableKinds()[kIxml]);
    savetest::SetBoxText(PageOf(kIxml), 1060, "Ovalis");
    ASSERT_TRUE(dlg->SaveFile(m_path));
    EXPECT_EQ(savetest::BoxText(PageOf(kBext), 1009), "Evening news");
    EXPECT_EQ(Value(*dlg->m_pRoot, "IXML:PROJECT"), "Ovalis");
}

struct EditRow {
    const char* what;
    Kind kind;
    std::function<void(CChunkPage&)> edit;
    std::function<CString(const CRiffChunkModel&)> readBack;
    const char* expected;
    const char* said;  // in the one message box a refusal shows; "" for none
};

TEST_F(ViewerMetadataEditTest, EditsSavedByTheWindowReadBackAsTheCommandLineReadsThem) {
    const auto info = [](const CRiffChunkModel& root) {
        return Value(root, "INFO:IART") + "|" + Value(root, "INFO:ICRD");
    };
    const EditRow rows[] = {
        {"an INFO entry added", kInfo,
         [](CChunkPage& page) { AddInfoEntry(page, "IART", "Ann Other"); }, info,
         "Ann Other|(none)", ""},
        {"an ICRD that is no date", kInfo,
         [](CChunkPage& page) { AddInfoEntry(page, "ICRD", "yesterday"); }, info, "(none)|(none)",
         "INFO ICRD (Creation date) is not saved"},
        {"an iXML field", kIxml, [](CChunkPage& page) { savetest::SetBoxText(page, 1061, "12A"); },
         [](const CRiffChunkModel& root) { return Value(root, "IXML:SCENE"); }, "12A", ""},
        {"a marker added, moved and named", kCue,
         [](CChunkPage& page) {
             savetest::ClickButton(page, IDC_TABLE_ADD);
             TypeCell(page, 0, 1, "100");
             TypeCell(page, 0, 3, "Intro");
         },
         MarkersText, "1@100 Intro;", ""},
        {"a marker past the samples", kCue,
         [](CChunkPage& page) {
             savetest::ClickButton(page, IDC_TABLE_ADD);
             TypeCell(page, 0, 1, "7501");
         },
         MarkersText, "1@0 ;", "Marker 1 \"7501\" is not saved"},
        {"a generated UMID", kBext, [](CChunkPage& page) { savetest::ClickButton(page, 1057); },
         [](const CRiffChunkModel& root) {
             return Value(root, "Version") + (Value(root, "UMID").size() == 64 ? " umid" : " none");
         },
         "1 umid", ""},
    };
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.what);
        Start();
        boxes.texts.clear();
        dlg->AddNewChunk(*AddableKinds()[row.kind]);
        row.edit(PageOf(row.kind));
        EXPECT_TRUE(dlg->HasUnsavedEdits());
        ASSERT_TRUE(dlg->SaveFile(m_path));
        EXPECT_EQ(row.readBack(*dlg->m_pRoot), row.expected);
        ASSERT_EQ(boxes.texts.size(), *row.said ? 1u : 0u);
        if (*row.said) {
            EXPECT_NE(boxes.texts[0].find(row.said), CString::npos) << boxes.texts[0];
        }
    }
}

}  // namespace

namespace {

// The markers page lists its markers by position as they are edited, and the listing below the
// table follows the edits before any save.
TEST_F(ViewerMetadataEditTest, MarkersStayInPositionOrderAndTheListingFollows) {
    Start();
    dlg->AddNewChunk(*AddableKinds()[kCue]);
    CChunkPage& page = PageOf(kCue);
    savetest::ClickButton(page, IDC_TABLE_ADD);
    TypeCell(page, 0, 1, "500");
    TypeCell(page, 0, 3, "Slate");
    savetest::ClickButton(page, IDC_TABLE_ADD);
    QTest::qWait(1);
    QTableWidget* pTable = TableOf(page);
    ASSERT_EQ(pTable->rowCount(), 2);
    EXPECT_EQ(CellText(pTable, 0, 0), "2");
    EXPECT_EQ(CellText(pTable, 1, 0), "1");
    EXPECT_EQ(CellText(pTable, 1, 3), "Slate");
    TypeCell(page, 0, 1, "900");
    QTest::qWait(1);
    EXPECT_EQ(CellText(pTable, 0, 0), "1");
    EXPECT_EQ(CellText(pTable, 1, 0), "2");
    const CString strListing = savetest::BoxText(page, 1100);
    EXPECT_NE(strListing.find("not saved yet"), CString::npos) << strListing;
    EXPECT_NE(strListing.find("Slate"), CString::npos) << strListing;
    EXPECT_NE(strListing.find("900"), CString::npos) << strListing;
    // Every column as wide as its widest text.
    for (int nColumn = 0; nColumn < pTable->columnCount(); ++nColumn) {
        for (int nRow = 0; nRow < pTable->rowCount(); ++nRow) {
            const QString text = pTable->item(nRow, nColumn)->text();
            EXPECT_GT(pTable->columnWidth(nColumn), pTable->fontMetrics().horizontalAdvance(text))
                << nRow << ", " << nColumn;
        }
    }
}

}  // namespace
