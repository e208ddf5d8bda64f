// Files that field recorders, editors and audio tools wrote, from the folder that
// OVALIS_REAL_FILES names: each opens as far as its bytes allow, in the model and in the viewer,
// and saves under a new name to a file that reads back with what the first load held.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "HeldChunks.h"
#include "PageRoundTrip.h"
#include "app/OverviewOfLoad.h"
#include "app/ViewerDlg.h"
#include "app/ViewerTestSupport.h"
#include "core/chunks/OverviewText.h"
#include "pages/Overview.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A walk that stops short of the end leaves this many bytes at most: too few for a header.
constexpr std::int64_t kFewestHeaderBytes = 8;

std::vector<fs::path> RealFiles(const char* pszFolder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(pszFolder, error)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool StartsWithWaveForm(const testfiles::Bytes& bytes) {
    const std::string head(bytes.begin(), bytes.begin() + std::min<std::size_t>(12, bytes.size()));
    return head.size() == 12 && head.compare(0, 4, "RIFF") == 0 && head.compare(8, 4, "WAVE") == 0;
}

// Where the last chunk kept ends, its pad byte counted.
std::int64_t EndOfLastChunk(const CRiffChunk& root) {
    if (root.GetCount() == 0) {
        return 12;
    }
    const MMCKINFO& ck = root.GetChild(root.GetCount() - 1)->m_ck;
    return ck.llDataOffset + ck.llDataSize + (ck.llDataSize & 1);
}

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

class RealFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pszFolder = std::getenv("OVALIS_REAL_FILES");
        if (pszFolder == nullptr) {
            GTEST_SKIP() << "OVALIS_REAL_FILES is not set: no folder of real files to open";
        }
        files = RealFiles(pszFolder);
        ASSERT_FALSE(files.empty()) << "no files in " << pszFolder;
        dlg = std::make_unique<CViewerDlg>(CString());
        ASSERT_TRUE(dlg->Create(130));
    }

    // A copy to work on: the folder's files are not ours to open for writing.
    CString Copy(const fs::path& source) {
        const CString strPath = dir.file(source.filename().string());
        fs::copy_file(source, strPath, fs::copy_options::overwrite_existing);
        fs::permissions(strPath, fs::perms::owner_read | fs::perms::owner_write);
        return strPath;
    }

    // The tree accounts for every byte of a file that holds a WAVE form, but for a tail too
    // short to be a chunk, which the root keeps; such a file loads.
    void ExpectLoadedAsFarAsBytesAllow(const CString& strPath, const testfiles::Bytes& bytes) {
        CRiffChunk root;
        const BOOL bLoaded = root.Load(strPath);
        SetOverviewOfLoad(root);
        const auto fileSize = static_cast<std::int64_t>(bytes.size());
        if (StartsWithWaveForm(bytes)) {
            const std::int64_t nLeft = fileSize - EndOfLastChunk(root);
            EXPECT_LT(nLeft, kFewestHeaderBytes) << root.GetCount() << " chunks kept";
            EXPECT_TRUE(bLoaded) << nLeft << " bytes left: " << root.LoadFailure();
            EXPECT_EQ(static_cast<std::int64_t>(root.TrailingBytes().size()),
                      std::max<std::int64_t>(0, nLeft));
        }
        for (CObject* pObject : root) {
            CreatePageOf(static_cast<CChunk*>(pObject), dlg.get());
        }
        // The text the pages built is the one the core builds for listings without pages.
        EXPECT_EQ(OverviewOf(root), g_strOverview);
        // Also a tree that did not load whole keeps what it held through a save.
        EXPECT_EQ(testfiles::DescribeSaveRoundTrip(root, dir.file("saved.wav"), dlg.get()), "");
        dlg->LoadFile(strPath);
        Names expected = {"empty"};
        if (bLoaded && root.GetCount() > 0) {
            expected = {"Overview"};
            const Names names = ChunkNames(root);
            expected.insert(expected.end(), names.begin(), names.end());
        }
        EXPECT_EQ(TabNames(*dlg), expected);
    }

    std::vector<fs::path> files;
    testfiles::TempDir dir;
    viewertest::ScopedFakePlayer player;
    viewertest::ScopedMessageBoxRecorder messages;
    std::unique_ptr<CViewerDlg> dlg;
};

TEST_F(RealFilesTest, EachFileLoadsAsFarAsItsBytesAllowShowsItsTabsAndSavesWhatItHeld) {
    for (const fs::path& source : files) {
        SCOPED_TRACE(source.filename().string());
        const CString strPath = Copy(source);
        const testfiles::Bytes bytes = testfiles::readFile(strPath);
        ExpectLoadedAsFarAsBytesAllow(strPath, bytes);
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(testfiles::readFile(strPath), bytes) << "opening or saving changed the file";
    }
}

}  // namespace
