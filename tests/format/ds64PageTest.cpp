// The ds64 page: the sizes as the other pages show numbers, 64-bit values whole, read-only, and
// the table of other chunks' sizes.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>

#include "RiffWriter.h"
#include "framework/Wnd.h"
#include "pages/ChunkPage.h"
#include "pages/PagedChunk.h"
#include "pages/RiffChunk.h"

namespace {

TEST(ds64PageTest, ShowsTheSizesWholeAndTheTable) {
    testfiles::TempDir dir;
    const testfiles::Ds64Sizes sizes{
        (5ULL << 30) + 7, 5ULL << 30, 0x123456789ULL, {{"LIST", 0x100000002ULL}, {"junk", 3}}};
    const std::string path = dir.file("wide.wav");
    testfiles::writeFile(path, testfiles::WideWaveFile("RF64", {{"ds64", Ds64Payload(sizes)}}));
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    ASSERT_EQ(root.GetCount(), 1);
    CChunkPage* pPage = CreatePageOf(root.GetChild(0), nullptr);
    ASSERT_NE(pPage, nullptr);
    const struct {
        int nID;
        CString text;
    } boxes[] = {{1050, "5368709127"}, {1051, "5368709120"}, {1052, "4886718345"}, {1053, "2"}};
    for (const auto& box : boxes) {
        CWnd* pBox = pPage->GetDlgItem(box.nID);
        ASSERT_NE(pBox, nullptr) << box.nID;
        EXPECT_EQ(pBox->GetWindowText(), box.text) << box.nID;
        const auto* pEdit = qobject_cast<QLineEdit*>(pBox->GetSafeHwnd());
        ASSERT_NE(pEdit, nullptr);
        EXPECT_TRUE(pEdit->isReadOnly());
    }
    CWnd* pTable = pPage->GetDlgItem(1054);
    ASSERT_NE(pTable, nullptr);
    EXPECT_EQ(pTable->GetWindowText(), "LIST = 4294967298\njunk = 3\n");
}

}  // namespace
