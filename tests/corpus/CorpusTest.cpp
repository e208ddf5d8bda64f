// Every file of the broken-file corpus opens with the outcome its row records: the load's
// result, the chunks kept, the tabs shown, and whether a message came up; one that loads saves
// under a new name and reads back with what it held.

#include <gtest/gtest.h>

#include <set>

#include "BrokenFiles.h"
#include "HeldChunks.h"
#include "PageRoundTrip.h"
#include "app/OverviewOfLoad.h"
#include "app/ViewerDlg.h"
#include "app/ViewerTestSupport.h"
#include "core/chunks/OverviewText.h"
#include "pages/Overview.h"

namespace {

using Names = std::vector<std::string>;

Names ChunkNames(const CRiffChunk& root) {
    Names names;
    for (CObject* pObject : root) {
        names.push_back(static_cast<const CChunk*>(pObject)->m_strName);
    }
    return names;
}

Names TabNames(CViewerDlg& dlg) {
    Names tabs;
    for (int i = 0; i < dlg.m_tab.GetItemCount(); ++i) {
        tabs.push_back(dlg.m_tab.GetItemText(i));
    }
    return tabs;
}

// The viewer shows a tree only when the load succeeded and found chunks.
Names ExpectedTabs(const corpus::BrokenFile& file) {
    if (!file.bLoads || file.tabs.empty()) {
        return {"empty"};
    }
    Names tabs = {"Overview"};
    tabs.insert(tabs.end(), file.tabs.begin(), file.tabs.end());
    return tabs;
}

class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        dlg = std::make_unique<CViewerDlg>(CString());
        ASSERT_TRUE(dlg->Create(130));
    }

    // The model's own load keeps the chunks of a failed load too; each of them shows its page.
    // A tree that loaded saves under a new name and reads back as it was held.
    void ExpectModelOutcome(const corpus::BrokenFile& file, const CString& strPath) {
        CRiffChunk root;
        EXPECT_EQ(root.Load(strPath), file.bLoads ? TRUE : FALSE);
        SetOverviewOfLoad(root);
        EXPECT_EQ(ChunkNames(root), file.tabs);
        for (CObject* pObject : root) {
            CreatePageOf(static_cast<CChunk*>(pObject), dlg.get());
        }
        // The text the pages built is the one the core builds for listings without pages.
        EXPECT_EQ(OverviewOf(root), g_strOverview);
        if (file.bLoads) {
            EXPECT_EQ(testfiles::DescribeSaveRoundTrip(root, dir.file("saved.wav"), dlg.get()), "");
        }
    }

    // The viewer saves a file it shows under a new name, writing what the model's own save
    // wrote, and shows the file it came from again.
    void ExpectViewerSave(const corpus::BrokenFile& file) {
        if (file.bLoads && !file.tabs.empty()) {
            const CString strSaved = dir.file("saved by the viewer.wav");
            dlg->SaveFile(strSaved);
            EXPECT_EQ(testfiles::readFile(strSaved), testfiles::readFile(dir.file("saved.wav")));
            EXPECT_EQ(TabNames(*dlg), ExpectedTabs(file));
        }
    }

    testfiles::TempDir dir;
    viewertest::ScopedFakePlayer player;
    viewertest::ScopedMessageBoxRecorder messages;
    std::unique_ptr<CViewerDlg> dlg;
};

TEST_F(CorpusTest, EachFileOpensAsItsRowRecords) {
    std::set<std::string> names;
    for (const corpus::BrokenFile& file : corpus::BrokenFiles()) {
        SCOPED_TRACE(file.name);
        EXPECT_TRUE(names.insert(file.name).second) << "two files of one name";
        const CString strPath = dir.file(file.name);
        testfiles::writeFile(strPath, file.bytes);
        messages.texts.clear();

        ExpectModelOutcome(file, strPath);
        dlg->LoadFile(strPath);
        EXPECT_EQ(TabNames(*dlg), ExpectedTabs(file));
        ExpectViewerSave(file);
        EXPECT_EQ(!messages.texts.empty(), file.bMessage);
        EXPECT_EQ(testfiles::readFile(strPath), file.bytes) << "opening or saving changed the file";
    }
}

}  // namespace
