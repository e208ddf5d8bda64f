#pragma once
// The base of every chunk page: a modeless child dialog bound to its chunk, which scrolls
// when it is placed in an area smaller than its controls.

#include <functional>
#include <vector>

#include "core/edit/TypedValues.h"

#include "framework/Dialog.h"
#include "pages/PageScroller.h"

class CChunk;

class CChunkPage : public CDialog {
public:
    // Binds the page to pChunk, then creates its window from the template as a child of
    // pParent. With no parent the page goes under the main window, hidden: such a page is
    // created late (by a save) and is not to be seen.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParent, CChunk* pChunk);
    // Takes the values shown on the page back into the chunk's data. The base has none.
    virtual BOOL UpdateChunk();
    // Takes the values that reach beyond the page's own chunk (another chunk, a new one) into
    // the tree; a save runs it before it walks the tree. The base has none.
    virtual void UpdateTree();
    // The values typed into the page's boxes of fields that a save would store, each box whose
    // text differs from what it was shown with; the base has none.
    virtual std::vector<TypedValue> TypedValues();
    // Called when the user makes an edit that no edit box holds (a table's row, a generated
    // value), so that the window knows the file has unsaved edits.
    void SetEditedHandler(std::function<void()> onEdited) { m_onEdited = std::move(onEdited); }

    CChunk* m_pChunk = nullptr;

protected:
    // Scrolls the controls that the area the page is placed in cannot hold.
    CPageScroller m_scroller;
    void NotifyEdited() const;

private:
    std::function<void()> m_onEdited;
};
