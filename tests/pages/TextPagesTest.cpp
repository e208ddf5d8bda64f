// The pages that show nothing but the text of their template.

#include <gtest/gtest.h>

#include <QLabel>

#include "core/chunks/Chunk.h"
#include "framework/DialogBuilder.h"
#include "framework/DialogTemplate.h"
#include "pages/LISTPropertyPage.h"
#include "pages/RIFFPropertyPage.h"
#include "pages/UnknownPropertyPage.h"
#include "pages/dataPropertyPage.h"
#include "pages/fmtPropertyPage.h"

namespace {

struct TextPageCase {
    UINT nTemplate;
    const char* text;
    int x, y, width, height;      // the page size and the text's place, in dialog units
    const char* below = nullptr;  // the line below the text, on the pages that have one
};

template <typename Page>
void ExpectShowsText(const TextPageCase& c) {
    SCOPED_TRACE(c.text);
    CChunk chunk;
    Page page;
    ASSERT_TRUE(page.Create(c.nTemplate, nullptr, &chunk));
    EXPECT_EQ(page.m_pChunk, &chunk);
    const QList<QLabel*> labels = page.GetSafeHwnd()->template findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), c.below ? 2 : 1);
    EXPECT_EQ(labels[0]->text().toStdString(), c.text);
    if (c.below) {
        EXPECT_EQ(labels[1]->text().toStdString(), c.below);
        EXPECT_GT(labels[1]->y(), labels[0]->y());
    }

    const DialogUnits units(DialogFont(*FindDialogTemplate(c.nTemplate)));
    EXPECT_EQ(labels[0]->pos(), units.ToPixels(c.x, c.y, 0, 0).topLeft());
    EXPECT_EQ(page.GetSafeHwnd()->size(), units.ToPixels(0, 0, c.width, c.height).size());
    EXPECT_TRUE(page.UpdateChunk());
}

TEST(TextPagesTest, EachShowsItsTextWhereTheTemplatePutsIt) {
    ExpectShowsText<CRIFFPropertyPage>({135, "RIFF Chunk", 7, 9, 270, 200});
    ExpectShowsText<CLISTPropertyPage>(
        {136, "LIST chunk", 7, 9, 270, 200, "LIST without a list type"});
    ExpectShowsText<CdataPropertyPage>({134, "data chunk.", 7, 9, 270, 200});
    ExpectShowsText<CUnknownPropertyPage>({137, "Unknown Chunk", 7, 7, 270, 230});
    ExpectShowsText<CfmtPropertyPage>({132, "Not supported WAVE format.", 7, 9, 270, 230});
}

TEST(TextPagesTest, PageCreatedWithoutParentIsHidden) {
    CChunk chunk;
    CLISTPropertyPage page;
    ASSERT_TRUE(page.Create(136, nullptr, &chunk));
    EXPECT_FALSE(page.IsWindowVisible());
}

TEST(TextPagesTest, PageOfAWindowedParentIsVisibleFromCreation) {
    QWidget parent;
    CWnd parentWnd;
    parentWnd.Attach(&parent, false);
    parent.show();
    CChunk chunk;
    CdataPropertyPage page;
    ASSERT_TRUE(page.Create(134, &parentWnd, &chunk));
    EXPECT_TRUE(page.IsWindowVisible());
}

TEST(TextPagesTest, RecordsNameTheirClassWithTheDialogAsBase) {
    CUnknownPropertyPage page;
    EXPECT_STREQ(page.GetRuntimeClass()->m_lpszClassName, "CUnknownPropertyPage");
    EXPECT_EQ(page.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CDialog));
    EXPECT_TRUE(page.UpdateChunk());  // windowless: nothing to take back
}

}  // namespace
