#include "cli/FieldCatalog.h"

#include <algorithm>

#include "bwf/BEXTPropertyPage.h"
#include "bwf/MEXTPropertyPage.h"
#include "format/MPEGPropertyPage.h"
#include "format/PCMPropertyPage.h"
#include "format/factPropertyPage.h"
#include "framework/DialogTemplate.h"

namespace {

struct PageTemplate {
    PageKind page;
    UINT nTemplateId;
    const char* chunkId;
};

// In the order info lists the chunks' fields; the template ids are those the chunks create
// their pages from.
constexpr PageTemplate kPages[] = {
    {PageKind::Pcm, 140, "fmt "},  {PageKind::Mpeg, 141, "fmt "}, {PageKind::Fact, 133, "fact"},
    {PageKind::Bext, 106, "bext"}, {PageKind::Mext, 131, "mext"},
};

// The broadcast extension page shows the time reference and version but stores only these.
constexpr const char* kStoredBextFields[] = {
    "Description",     "Originator",      "OriginatorReference",
    "OriginationDate", "OriginationTime", "CodingHistory",
};

bool IsLabel(const DialogControl& control) {
    const CString strText = control.text;
    return control.kind == ControlKind::Text && !strText.empty() && strText.back() == ':';
}

// "WORD nChannels:" gives nChannels, "CHAR Originator[32]:" gives Originator.
CString NameInLabel(CString strLabel) {
    strLabel.pop_back();
    strLabel.erase(0, strLabel.find_last_of(' ') + 1);
    strLabel.erase(std::min(strLabel.find('['), strLabel.size()));
    return strLabel;
}

bool IsStoredBextField(const CString& strName) {
    return std::find(std::begin(kStoredBextFields), std::end(kStoredBextFields), strName) !=
           std::end(kStoredBextFields);
}

FieldEntry EntryOf(PageKind page, const DialogControl& box, const CString& strName) {
    const bool bBext = page == PageKind::Bext;
    const bool bEditable = bBext ? IsStoredBextField(strName) : (box.style & ES_READONLY) == 0;
    return {strName,   page,
            box.nID,   bBext ? FieldKind::Text : FieldKind::Number,
            bEditable, (box.style & ES_MULTILINE) != 0};
}

}  // namespace

const CFieldCatalog& CFieldCatalog::Instance() {
    static const CFieldCatalog catalog;
    return catalog;
}

CFieldCatalog::CFieldCatalog() {
    for (const PageTemplate& page : kPages) {
        AddPage(page.page, page.nTemplateId);
    }
}

// Each box is named by the last label before it in the template: labels and their boxes stand
// in pairs there, with only notes such as "(hex)" between them.
void CFieldCatalog::AddPage(PageKind page, UINT nTemplateId) {
    const DialogTemplate* pTemplate = FindDialogTemplate(nTemplateId);
    if (!pTemplate) {
        return;
    }
    CString strLabel;
    for (const DialogControl& control : pTemplate->controls) {
        if (IsLabel(control)) {
            strLabel = control.text;
        } else if (control.kind == ControlKind::Edit && !strLabel.empty()) {
            m_fields.push_back(EntryOf(page, control, NameInLabel(strLabel)));
            strLabel.clear();
        }
    }
}

const FieldEntry* CFieldCatalog::Find(PageKind page, const CString& strName) const {
    const auto it = std::find_if(m_fields.begin(), m_fields.end(), [&](const FieldEntry& field) {
        return field.page == page && field.strName == strName;
    });
    return it == m_fields.end() ? nullptr : &*it;
}

bool CFieldCatalog::IsKnown(const CString& strName) const {
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [&](const FieldEntry& field) { return field.strName == strName; });
}

bool CFieldCatalog::IsEditable(const CString& strName) const {
    return std::any_of(m_fields.begin(), m_fields.end(), [&](const FieldEntry& field) {
        return field.strName == strName && field.bEditable;
    });
}

std::vector<CString> CFieldCatalog::Names() const {
    std::vector<CString> names;
    for (const FieldEntry& field : m_fields) {
        if (std::find(names.begin(), names.end(), field.strName) == names.end()) {
            names.push_back(field.strName);
        }
    }
    return names;
}

const char* ChunkIdOf(PageKind page) {
    for (const PageTemplate& t : kPages) {
        if (t.page == page) {
            return t.chunkId;
        }
    }
    return "";
}

std::optional<PageKind> PageKindOf(const CChunkPage* pPage) {
    if (dynamic_cast<const CPCMPropertyPage*>(pPage)) {
        return PageKind::Pcm;
    }
    if (dynamic_cast<const CMPEGPropertyPage*>(pPage)) {
        return PageKind::Mpeg;
    }
    if (dynamic_cast<const CfactPropertyPage*>(pPage)) {
        return PageKind::Fact;
    }
    if (dynamic_cast<const CBEXTPropertyPage*>(pPage)) {
        return PageKind::Bext;
    }
    if (dynamic_cast<const CMEXTPropertyPage*>(pPage)) {
        return PageKind::Mext;
    }
    return std::nullopt;
}
