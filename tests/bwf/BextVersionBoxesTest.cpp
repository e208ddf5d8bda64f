// The rows below the broadcast extension page's first fields: the UMID from version 1, the
// loudness levels from version 2, edited and stored only when changed; the page scrolls inside
// an area shorter than its rows.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWidget>

#include "BEXTPageFixture.h"
#include "app/ViewerTestSupport.h"

namespace {

using bwftest::BEXTPageTest;
using bwftest::Box;
using bwftest::BoxText;
using bwftest::Bytes;
using bwftest::Slice;
using bwftest::Type;

constexpr int kUmidBox = 1041;
constexpr int kLevelBoxes[] = {1043, 1046, 1049, 1052, 1055};

Bytes PayloadOfVersion(std::uint16_t wVersion) {
    Bytes payload = bwftest::DistinctPayload();
    payload[346] = static_cast<std::uint8_t>(wVersion);
    const std::uint16_t levels[] = {0xFFFF & -2300, 750, 0xFFFF & -100, 0x7FFF, 0xFFFF & -1805};
    for (std::size_t i = 0; i < 5; ++i) {
        payload[412 + 2 * i] = static_cast<std::uint8_t>(levels[i] & 0xFF);
        payload[413 + 2 * i] = static_cast<std::uint8_t>(levels[i] >> 8);
    }
    return payload;
}

struct VersionRow {
    std::uint16_t version;
    bool bUmid;
    bool bLevels;
};

TEST_F(BEXTPageTest, RowsShowWhatTheVersionHas) {
    const VersionRow rows[] = {
        {0, true, false}, {1, true, false}, {2, true, true}, {3, true, true}};
    for (const VersionRow& row : rows) {
        SCOPED_TRACE(row.version);
        Show(PayloadOfVersion(row.version));
        EXPECT_EQ(!Box(Page(), kUmidBox)->isHidden(), row.bUmid);
        EXPECT_EQ(BoxText(Page(), kUmidBox).empty(), row.version == 0);
        for (const int nID : kLevelBoxes) {
            EXPECT_EQ(!Box(Page(), nID)->isHidden(), row.bLevels) << nID;
        }
    }
}

TEST_F(BEXTPageTest, LevelsShowWithTwoDecimalsAndNotSet) {
    Show(PayloadOfVersion(2));
    const CString shown[] = {"-23.00", "7.50", "-1.00", "not set", "-18.05"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(BoxText(Page(), kLevelBoxes[i]), shown[i]);
    }
    EXPECT_TRUE(BoxText(Page(), kUmidBox).starts_with("not a SMPTE UMID, 64 bytes: "));
}

struct LevelEditRow {
    int nID;
    const char* typed;
    std::size_t offset;
    Bytes stored;
    bool bRefused;
};

TEST_F(BEXTPageTest, AnEditedLevelIsStoredAloneAndARefusedOneIsSaid) {
    const LevelEditRow rows[] = {
        {1043, "-18.5", 412, {0xC6, 0xF8}, false},
        {1046, "not set", 414, {0xFF, 0x7F}, false},
        {1052, "-20", 418, {0x30, 0xF8}, false},
        {1049, "loud", 416, {0x9C, 0xFF}, true},
    };
    for (const LevelEditRow& row : rows) {
        SCOPED_TRACE(row.typed);
        viewertest::ScopedMessageBoxRecorder boxes;
        const Bytes before = PayloadOfVersion(2);
        Show(before);
        Type(Page(), row.nID, row.typed);
        Bytes saved = Saved();
        EXPECT_EQ(Slice(saved, row.offset, 2), row.stored);
        EXPECT_EQ(boxes.texts.size(), row.bRefused ? 1u : 0u);
        const auto at = static_cast<std::ptrdiff_t>(row.offset);
        std::copy_n(before.begin() + at, 2, saved.begin() + at);
        EXPECT_EQ(saved, before);
    }
}

TEST_F(BEXTPageTest, PageScrollsInsideAShorterAreaAndKeepsItsControlsAtTheTop) {
    Show(PayloadOfVersion(2));
    QWidget* pPage = Page().GetSafeHwnd();
    pPage->show();
    QWidget* pDescription = Box(Page(), 1009);
    const QPoint top = pDescription->pos();
    pPage->resize(pPage->width(), Box(Page(), 1012)->geometry().bottom());
    auto* pBar = pPage->findChild<QScrollBar*>();
    ASSERT_NE(pBar, nullptr);
    ASSERT_FALSE(pBar->isHidden());
    pBar->setValue(pBar->maximum());
    EXPECT_LT(pDescription->y(), top.y());
    EXPECT_LE(Box(Page(), 1055)->geometry().bottom(), pPage->height());
    EXPECT_EQ(pBar->x() + pBar->width(), pPage->width());
    pBar->setValue(0);
    EXPECT_EQ(pDescription->pos(), top);
    pPage->resize(pPage->width(), 2000);
    EXPECT_TRUE(pBar->isHidden());
}

}  // namespace
