// Exactly one owner deletes each widget: a window object destroys its widget, and a widget that
// its Qt parent destroyed first leaves the window object windowless, never dangling.

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <memory>

#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "core/base/ObList.h"

namespace {

TEST(WindowLifetimeTest, WindowObjectExistsWithoutWindowUntilCreate) {
    CDialog page;
    EXPECT_TRUE(page.IsWindowless());
    EXPECT_FALSE(page.ShowWindow(SW_SHOW));
    EXPECT_EQ(page.GetDlgItem(1016), nullptr);
    ASSERT_TRUE(page.Create(131));
    EXPECT_FALSE(page.IsWindowless());
    EXPECT_NE(page.GetDlgItem(1016), nullptr);
    EXPECT_EQ(page.GetDlgItem(9999), nullptr);
}

TEST(WindowLifetimeTest, DestroyingTheObjectDeletesItsWidget) {
    QWidget parent;
    QPointer<QWidget> widget;
    {
        CDialog page;
        CWnd parentWnd;
        parentWnd.Attach(&parent, false);
        ASSERT_TRUE(page.Create(135, &parentWnd));
        widget = page.GetSafeHwnd();
        EXPECT_EQ(widget->parentWidget(), &parent);
    }
    EXPECT_TRUE(widget.isNull());
}

TEST(WindowLifetimeTest, ParentDeletedFirstLeavesThePageWindowless) {
    auto parent = std::make_unique<QWidget>();
    CWnd parentWnd;
    parentWnd.Attach(parent.get(), false);
    CDialog page;
    ASSERT_TRUE(page.Create(135, &parentWnd));
    CWnd* pText = page.GetDlgItem(IDC_STATIC);
    ASSERT_NE(pText, nullptr);
    parent.reset();
    EXPECT_TRUE(page.IsWindowless());
    EXPECT_TRUE(parentWnd.IsWindowless());
    EXPECT_TRUE(pText->IsWindowless());
    page.ShowWindow(SW_SHOW);  // a windowless object does nothing
}

TEST(WindowLifetimeTest, MissingTemplateFailsCleanly) {
    CDialog page;
    EXPECT_FALSE(page.Create(9999));
    EXPECT_TRUE(page.IsWindowless());
    EXPECT_FALSE(page.HasInitialised());
}

TEST(WindowLifetimeTest, InitialisationIsTrackedPerWindow) {
    CDialog page;
    ASSERT_TRUE(page.Create(135));
    EXPECT_TRUE(page.HasInitialised());
    page.DestroyWindow();
    EXPECT_FALSE(page.HasInitialised());
}

class Creatable : public CObject {
    DECLARE_DYNCREATE(Creatable)
};
IMPLEMENT_DYNCREATE(Creatable, CObject)

TEST(RuntimeClassTest, CreatesObjectsByClassAndKnowsTheBase) {
    const CRuntimeClass* pClass = RUNTIME_CLASS(Creatable);
    EXPECT_STREQ(pClass->m_lpszClassName, "Creatable");
    std::unique_ptr<CObject> object(pClass->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(RUNTIME_CLASS(CWnd)->CreateObject(), nullptr);  // no factory of its own
}

TEST(ObListTest, KeepsOrderAndWalksByPosition) {
    Creatable a, b, c;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Find(&b), 2u);
    EXPECT_EQ(list.Find(nullptr), 0u);
    std::vector<CObject*> walked;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        walked.push_back(list.GetNext(pos));
    }
    EXPECT_EQ(walked, (std::vector<CObject*>{&a, &b, &c}));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), 0u);
}

}  // namespace
