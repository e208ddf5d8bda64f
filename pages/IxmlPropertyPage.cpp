#include "pages/IxmlPropertyPage.h"

#include <algorithm>
#include <optional>

#include "core/chunks/Chunk.h"
#include "core/details/ChunkDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/edit/IxmlFields.h"
#include "framework/MessageBox.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CiXMLPropertyPage, CDialog)

namespace {

constexpr int kFirstLabel = 1070;
constexpr int kFirstBox = 1060;

// The fields of the rows, as the iXML edits name them; the details name the first nine.
std::vector<CString> RowFields() {
    std::vector<CString> fields;
    for (CString strName : IxmlFieldNames()) {
        std::replace(strName.begin(), strName.end(), '/', '.');
        fields.push_back(strName);
    }
    fields.emplace_back("SPEED.FILE_SAMPLE_RATE");
    return fields;
}

// "SPEED.TIMECODE_RATE" is labelled by its own element: the page has room for no more.
CString RowLabel(const CString& strField) {
    return strField.substr(strField.rfind('.') + 1) + ":";
}

// Whether the edits can be made in the document: a well-formed BWFXML document.
bool TakesEdits(const CString& strDocument) {
    return SetIxmlField(strDocument, "PROJECT", IxmlFieldText(strDocument, "PROJECT").value_or(""))
        .problem.empty();
}

CString DocumentOf(const CChunk& chunk) {
    return chunk.Data() ? CString(reinterpret_cast<const char*>(chunk.Data()), chunk.DataSize())
                        : CString();
}

}  // namespace

void CiXMLPropertyPage::ShowRows(const CString& strDocument) {
    const std::vector<CString> fields = RowFields();
    m_shown.assign(fields.size(), CString());
    const bool bEditable = TakesEdits(strDocument);
    for (std::size_t nRow = 0; nRow < fields.size(); ++nRow) {
        const int nOffset = static_cast<int>(nRow);
        if (CWnd* pLabel = GetDlgItem(kFirstLabel + nOffset)) {
            pLabel->SetWindowText(RowLabel(fields[nRow]));
        }
        const std::optional<CString> text = IxmlFieldText(strDocument, fields[nRow]);
        if (CWnd* pBox = GetDlgItem(kFirstBox + nOffset)) {
            pBox->SetWindowText(text.value_or(""));
            m_shown[nRow] = pBox->GetWindowText();
            pBox->SetReadOnly(!bEditable);
        }
    }
}

BOOL CiXMLPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    if (!m_pChunk) {
        return TRUE;
    }
    std::vector<DetailTable> tables = IxmlDetails(*m_pChunk);
    ShowRows(DocumentOf(*m_pChunk));
    if (tables.size() > 1) {
        tables.erase(tables.begin());
    }
    ShowDetailsText(*this, DetailsText(tables));
    return TRUE;
}

BOOL CiXMLPropertyPage::UpdateChunk() {
    if (!HasInitialised() || !m_pChunk) {
        return TRUE;
    }
    const std::vector<CString> fields = RowFields();
    const CString strBefore = DocumentOf(*m_pChunk);
    CString strDocument = strBefore;
    for (std::size_t nRow = 0; nRow < fields.size() && nRow < m_shown.size(); ++nRow) {
        const CWnd* pBox = GetDlgItem(kFirstBox + static_cast<int>(nRow));
        const CString strText = pBox ? pBox->GetWindowText() : m_shown[nRow];
        if (strText == m_shown[nRow]) {
            continue;
        }
        const IxmlEdit edit = SetIxmlField(strDocument, fields[nRow], strText);
        if (!edit.problem.empty()) {
            AfxMessageBox("iXML " + fields[nRow] + " \"" + strText +
                          "\" is not saved: " + edit.problem);
            continue;
        }
        strDocument = edit.document;
    }
    if (strDocument != strBefore) {
        m_pChunk->SetData(reinterpret_cast<const BYTE*>(strDocument.data()),
                          static_cast<DWORD>(strDocument.size()));
    }
    return TRUE;
}
