#pragma once
// The fields ovalis-cli reads and edits: every edit box of the field pages, named by the label
// beside it on the page ("WORD nChannels:" names nChannels, "CHAR Originator[32]:" Originator).

#include <optional>
#include <vector>

#include "core/base/Types.h"

class CChunkPage;

// The field pages, each with its own template.
enum class PageKind { Pcm, Mpeg, Fact, Bext, Mext };

enum class FieldKind {
    Number,  // shown and taken back by the number rule
    Text,    // 8-bit text, cut to the field's width when stored
};

struct FieldEntry {
    CString strName;
    PageKind page;
    int nID;  // the edit box on the page
    FieldKind kind;
    bool bEditable;  // the page stores what is typed into the box
    bool bMultiLine;
};

class CFieldCatalog {
public:
    // Built once from the pages' templates.
    static const CFieldCatalog& Instance();

    const std::vector<FieldEntry>& Fields() const { return m_fields; }
    // The field of this name on that page, or null.
    const FieldEntry* Find(PageKind page, const CString& strName) const;
    // Whether any page has a field of this name.
    bool IsKnown(const CString& strName) const;
    // Whether some page stores a field of this name.
    bool IsEditable(const CString& strName) const;
    // The names in page order, each once.
    std::vector<CString> Names() const;

private:
    CFieldCatalog();
    void AddPage(PageKind page, UINT nTemplateId);

    std::vector<FieldEntry> m_fields;
};

// The chunk id whose tab shows the page ("fmt " for both format pages).
const char* ChunkIdOf(PageKind page);
// The kind of a page that shows fields; nothing for the text-only pages.
std::optional<PageKind> PageKindOf(const CChunkPage* pPage);
