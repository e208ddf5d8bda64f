#include "pages/ChunkDetailsView.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "core/details/ByteView.h"
#include "core/details/ChunkDetails.h"
#include "framework/Wnd.h"

void ShowDetailsText(CWnd& page, const CString& strText, DetailsWrap wrap) {
    CWnd* pBox = page.GetDlgItem(IDC_CHUNK_DETAILS);
    if (!pBox) {
        return;
    }
    if (auto* pEdit = qobject_cast<QPlainTextEdit*>(pBox->GetSafeHwnd())) {
        pEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        pEdit->setLineWrapMode(wrap == DetailsWrap::AtBoxEdge ? QPlainTextEdit::WidgetWidth
                                                              : QPlainTextEdit::NoWrap);
    }
    pBox->SetWindowText(strText);
}

CString ChunkDetailsText(const CChunk* pChunk, bool bBytes) {
    if (!pChunk) {
        return {};
    }
    CString strText = DetailsText(DetailsOf(*pChunk));
    if (bBytes) {
        strText += (strText.empty() ? "" : "\n") + ChunkByteView(*pChunk);
    }
    return strText;
}
