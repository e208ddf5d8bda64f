#pragma once
// A field's edit box on a created page: what it shows, and typing into it as the user would.

#include "cli/FieldCatalog.h"

class CChunkPage;
class CWnd;

class CFieldBox {
public:
    CFieldBox(const FieldEntry& entry, CChunkPage& page);

    // Whether the page shows the field: a box outside the chunk's data stays empty and locked.
    bool IsHeld() const;
    // The text shown; the line breaks of a multi-line box as CR LF, as the page stores them.
    CString Text() const;
    // Types the value as the user would; CR LF line breaks become the box's own.
    void Type(const CString& strValue);

private:
    const FieldEntry& m_entry;
    CWnd* m_pBox;
};
