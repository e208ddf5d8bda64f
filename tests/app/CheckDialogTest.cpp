// The Check of the Overview page: the list of findings, the checksum line, and long work run off
// the user-interface thread.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTreeWidget>
#include <thread>

#include "ViewerTestSupport.h"
#include "app/BackgroundWork.h"
#include "app/CheckDialog.h"
#include "app/OverviewPage.h"

namespace {

Md5Digest DigestOf(BYTE first) {
    Md5Digest digest{};
    digest[0] = first;
    return digest;
}

}  // namespace

TEST(CheckDialogTest, EachFindingIsARowWithItsSeverityChunkOffsetAndSentence) {
    CheckReport report;
    report.findings = {{Severity::Error, "trailing-bytes", "RIFF", 60, "5 bytes at the end."},
                       {Severity::Warning, "bext-date", "bext", 340, "the date is not a date."}};
    CCheckDialog dialog(nullptr, "a.wav", report, {DigestOf(1), ""}, std::nullopt);
    QTreeWidget* pList = dialog.Findings();
    ASSERT_EQ(pList->topLevelItemCount(), 2);
    const QTreeWidgetItem* pItem = pList->topLevelItem(1);
    EXPECT_EQ(pItem->text(0), "warning");
    EXPECT_EQ(pItem->text(1), "'bext'");
    EXPECT_EQ(pItem->text(2), "340");
    EXPECT_EQ(pItem->text(3), "bext-date");
    EXPECT_EQ(pItem->text(4), "the date is not a date.");
}

TEST(CheckDialogTest, TheChecksumLineSaysHowTheStoredOneCompares) {
    const struct {
        const char* name;
        ChecksumResult checksum;
        std::optional<Md5Digest> stored;
        const char* ending;
    } rows[] = {
        {"matches", {DigestOf(1), ""}, DigestOf(1), " - matches"},
        {"differs", {DigestOf(1), ""}, DigestOf(2), " - differs"},
        {"none", {DigestOf(1), ""}, std::nullopt, " - no checksum stored"},
        {"not taken",
         {std::nullopt, "the file has no data chunk"},
         std::nullopt,
         "not taken: the file has no data chunk"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(ChecksumLine(row.checksum, row.stored).endsWith(row.ending))
            << row.name << ": " << ChecksumLine(row.checksum, row.stored).toStdString();
    }
}

TEST(BackgroundWorkTest, WorkRunsOnAnotherThreadAndItsEndClosesTheProgress) {
    std::thread::id worker;
    const bool bDone = RunWithProgress(nullptr, "Working", [&worker](const WorkProgress& progress) {
        worker = std::this_thread::get_id();
        progress(1, 2);
        progress(2, 2);
    });
    EXPECT_TRUE(bDone);
    EXPECT_NE(worker, std::this_thread::get_id());
}

TEST(CheckDialogTest, TheCheckButtonStandsRightOfThePlayerClearOfThePagesControls) {
    viewertest::ScopedFakePlayer player;
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    QWidget* pCheck = page.m_btnCheck.GetSafeHwnd();
    ASSERT_NE(pCheck, nullptr);
    EXPECT_FALSE(pCheck->isHidden());
    EXPECT_EQ(static_cast<QPushButton*>(pCheck)->text(), "Chec&k...");
    EXPECT_GE(pCheck->geometry().left(), player.control()->geometry().right());
    for (const int nID : {1024, 1027, 1028, 1029, 1030}) {
        const CWnd* pOther = page.GetDlgItem(nID);
        ASSERT_NE(pOther, nullptr) << nID;
        // Where the control stands on the page, the overview text inside its scroll area too.
        const QWidget* pWidget = pOther->GetSafeHwnd();
        const QRect placed(pWidget->mapTo(page.GetSafeHwnd(), QPoint(0, 0)), pWidget->size());
        EXPECT_FALSE(pCheck->geometry().intersects(placed)) << nID;
    }
    int nCalls = 0;
    page.m_onCheck = [&nCalls] { ++nCalls; };
    static_cast<QPushButton*>(pCheck)->click();
    EXPECT_EQ(nCalls, 1);
}
