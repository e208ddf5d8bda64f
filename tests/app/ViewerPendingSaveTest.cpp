// The window and a save left half done beside the file it opens: it asks before it finishes
// that save; declined, it opens the file as it is, changes no byte and refuses to save over it.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "InterruptedSaves.h"
#include "TestFiles.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/DialogTemplate.h"

namespace {

namespace fs = std::filesystem;

TEST(ViewerPendingSaveTest, TheWindowAsksBeforeItFinishesAnInterruptedSave) {
    const struct {
        const char* what;
        int answer;
        bool bFinished;
    } rows[] = {{"finished", IDOK, true}, {"declined", IDCANCEL, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const savetest::PendingSave save;
        viewertest::ScopedMessageBoxRecorder boxes;
        boxes.answer = row.answer;
        viewertest::ScopedFakePlayer player;
        auto dlg = std::make_unique<CViewerDlg>(CString());
        ASSERT_TRUE(dlg->Create(130));
        dlg->LoadFile(save.path);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_NE(boxes.texts[0].find("was interrupted"), CString::npos) << boxes.texts[0];
        EXPECT_EQ(fs::exists(save.journal), !row.bFinished);
        EXPECT_EQ(testfiles::readFile(save.path), row.bFinished ? savetest::Take() : save.file);
        ASSERT_TRUE(dlg->m_pRoot);
        EXPECT_EQ(dlg->m_pRoot->LoadNote().find("is pending") != CString::npos, !row.bFinished)
            << dlg->m_pRoot->LoadNote();
        if (!row.bFinished) {
            EXPECT_FALSE(dlg->SaveFile(save.path));
            EXPECT_EQ(testfiles::readFile(save.path), save.file);
        }
    }
}

}  // namespace
