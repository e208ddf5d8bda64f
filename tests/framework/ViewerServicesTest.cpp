// The small services of the framework that the viewer stands on: dropped files, the wait cursor
// and the command line.

#include <gtest/gtest.h>

#include <QApplication>
#include <stdexcept>

#include "framework/DropFiles.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"

namespace {

TEST(DropFilesTest, GivesTheWholePathHoweverLong) {
    const CString strLong = "/" + CString(300, 'p') + ".wav";
    DropInfo info{{strLong, "/b.wav"}};
    EXPECT_EQ(DragQueryFile(&info, kDragQueryCount, nullptr, 0), 2U);
    const UINT nLength = DragQueryFile(&info, 0, nullptr, 0);
    ASSERT_EQ(nLength, strLong.size());
    std::vector<char> buffer(nLength + 1, 'x');
    EXPECT_EQ(DragQueryFile(&info, 0, buffer.data(), nLength + 1), nLength);
    EXPECT_EQ(CString(buffer.data()), strLong);
    // A buffer too small gets what fits, terminated.
    char small[8];
    EXPECT_EQ(DragQueryFile(&info, 1, small, sizeof small), 6U);
    EXPECT_EQ(CString(small), "/b.wav");
    EXPECT_EQ(DragQueryFile(&info, 0, small, sizeof small), 7U);
    EXPECT_EQ(CString(small), "/pppppp");
    EXPECT_EQ(DragQueryFile(&info, 2, nullptr, 0), 0U);
    DragFinish(&info);
    EXPECT_EQ(DragQueryFile(&info, kDragQueryCount, nullptr, 0), 0U);
    EXPECT_EQ(DragQueryFile(nullptr, 0, nullptr, 0), 0U);
}

TEST(WaitCursorTest, NestsAndIsRestoredOnEveryPath) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        try {
            CWaitCursor inner;
            throw std::runtime_error("left early");
        } catch (const std::runtime_error&) {
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(CommandLineTest, IsTheArgumentsJoinedBySingleSpaces) {
    const char* none[] = {"ovalis"};
    EXPECT_EQ(AfxCommandLineText(1, none), CString());
    const char* one[] = {"ovalis", "/music/my news.wav"};
    EXPECT_EQ(AfxCommandLineText(2, one), "/music/my news.wav");
    const char* split[] = {"ovalis", "/music/my", "news.wav "};
    EXPECT_EQ(AfxCommandLineText(3, split), "/music/my news.wav ");
    const char* quoted[] = {"ovalis", "\"/music/a.wav\""};
    EXPECT_EQ(AfxCommandLineText(2, quoted), "\"/music/a.wav\"");
}

}  // namespace
