#include "pages/IxmlPropertyPage.h"

#include <vector>

#include "core/details/ChunkDetails.h"
#include "core/details/IxmlDetails.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CiXMLPropertyPage, CDialog)

namespace {

constexpr int kFirstLabel = 1070;
constexpr int kFirstBox = 1060;

// "SPEED/TIMECODE_RATE" is labelled by its own element: the page has room for no more.
CString RowLabel(const CString& strField) {
    return strField.substr(strField.rfind('/') + 1) + ":";
}

}  // namespace

void CiXMLPropertyPage::ShowRows(const std::vector<CString>& names, const DetailTable* pFields) {
    for (std::size_t nRow = 0; nRow < names.size(); ++nRow) {
        const int nOffset = static_cast<int>(nRow);
        if (CWnd* pLabel = GetDlgItem(kFirstLabel + nOffset)) {
            pLabel->SetWindowText(RowLabel(names[nRow]));
        }
        CWnd* pBox = GetDlgItem(kFirstBox + nOffset);
        if (pBox && pFields && nRow < pFields->rows.size()) {
            pBox->SetWindowText(pFields->rows[nRow][1]);
        }
    }
}

BOOL CiXMLPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    if (!m_pChunk) {
        return TRUE;
    }
    std::vector<DetailTable> tables = IxmlDetails(*m_pChunk);
    const bool bWellFormed = tables.size() > 1;
    ShowRows(IxmlFieldNames(), bWellFormed ? &tables.front() : nullptr);
    if (bWellFormed) {
        tables.erase(tables.begin());
    }
    ShowDetailsText(*this, DetailsText(tables), DetailsWrap::InBox);
    return TRUE;
}
