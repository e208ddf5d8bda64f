#include "cli/FieldBox.h"

#include <QVariant>
#include <QWidget>

#include "pages/ChunkPage.h"

CFieldBox::CFieldBox(const FieldEntry& entry, CChunkPage& page)
    : m_entry(entry), m_pBox(page.GetDlgItem(entry.nID)) {}

bool CFieldBox::IsHeld() const {
    if (!m_pBox || !m_pBox->GetSafeHwnd()) {
        return false;
    }
    // A field the data holds shows a text, or is a text box left open to editing.
    const bool bReadOnly = m_pBox->GetSafeHwnd()->property("readOnly").toBool();
    return !m_pBox->GetWindowText().empty() || !bReadOnly;
}

CString CFieldBox::Text() const {
    if (!m_pBox) {
        return CString();
    }
    const CString strText = m_pBox->GetWindowText();
    if (!m_entry.bMultiLine) {
        return strText;
    }
    CString strLines;
    for (const char c : strText) {
        if (c == '\n') {
            strLines += '\r';
        }
        strLines += c;
    }
    return strLines;
}

// A multi-line box holds its lines broken by LF alone, as a user's Return gives them.
void CFieldBox::Type(const CString& strValue) {
    if (!m_pBox) {
        return;
    }
    CString strText = strValue;
    if (m_entry.bMultiLine) {
        for (std::size_t nAt = strText.find("\r\n"); nAt != CString::npos;
             nAt = strText.find("\r\n", nAt)) {
            strText.erase(nAt, 1);
        }
    }
    m_pBox->SetWindowText(strText);
}
