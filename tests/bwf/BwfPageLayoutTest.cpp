// The extension pages as laid out: every label beside its box and wide enough for its text in
// whatever font stands in for the template's.

#include <gtest/gtest.h>

#include <QLabel>

#include "BEXTPageFixture.h"
#include "bwf/MEXTChunk.h"

namespace {

void ExpectLabelsWholeAndLeftOfTheirBoxes(CChunkPage& page, const std::vector<int>& boxIds) {
    QWidget* pPage = page.GetSafeHwnd();
    ASSERT_NE(pPage, nullptr);
    for (const QLabel* pLabel : pPage->findChildren<QLabel*>()) {
        EXPECT_GE(pLabel->width(), pLabel->fontMetrics().horizontalAdvance(pLabel->text()))
            << pLabel->text().toStdString();
    }
    for (const int nID : boxIds) {
        const QRect box = bwftest::Box(page, nID)->geometry();
        for (const QLabel* pLabel : pPage->findChildren<QLabel*>()) {
            const QRect label = pLabel->geometry();
            const bool bSameRow = label.top() < box.bottom() && label.bottom() > box.top();
            if (bSameRow && label.left() < box.left()) {
                EXPECT_LE(label.left() + pLabel->fontMetrics().horizontalAdvance(pLabel->text()),
                          box.left())
                    << pLabel->text().toStdString() << " runs under box " << nID;
            }
        }
    }
}

TEST(BwfPageLayoutTest, BextLabelsAreWholeAndBesideTheirBoxes) {
    auto chunk = bwftest::ReadChunk<CBEXTChunk>(bwftest::DistinctPayload(), "bext");
    ExpectLabelsWholeAndLeftOfTheirBoxes(*chunk->CreatePage(nullptr),
                                         {1011, 1010, 1013, 1014, 1015, 1008, 1016});
}

TEST(BwfPageLayoutTest, MextLabelsAreWholeAndBesideTheirBoxes) {
    auto chunk = bwftest::ReadChunk<CMEXTChunk>(bwftest::Bytes(12), "mext");
    ExpectLabelsWholeAndLeftOfTheirBoxes(*chunk->CreatePage(nullptr),
                                         {1016, 1017, 1005, 1006, 1007});
}

}  // namespace
