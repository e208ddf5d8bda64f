#include "bwf/FieldText.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

CFieldText::CFieldText(bool bMultiLine) : m_bMultiLine(bMultiLine) {}

void CFieldText::Show(CWnd* pBox, const CString& strBytes) {
    m_strShownBytes = strBytes;
    m_encoding = EncodingOf(strBytes);
    pBox->SetWindowText(DecodeFieldBytes(strBytes));
    m_strShownText = pBox->GetWindowText();
    m_bShown = true;
}

bool CFieldText::IsEdited(const CWnd* pBox) const {
    return m_bShown && pBox && pBox->GetWindowText() != m_strShownText;
}

CString CFieldText::Take(const CWnd* pBox) const {
    const CString strText = pBox->GetWindowText();
    if (strText == m_strShownText) {
        return m_strShownBytes;
    }
    const CString strLines =
        m_bMultiLine ? WithLineBreaks(strText, LineBreakOf(m_strShownBytes)) : strText;
    return EncodeFieldText(strLines, m_encoding);
}

void DDX_FieldText(CDataExchange* pDX, int nIDC, CString& strBytes, CFieldText& field) {
    CWnd* pBox = pDX->PrepareCtrl(nIDC);
    if (!pBox) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        strBytes = field.Take(pBox);
    } else {
        field.Show(pBox, strBytes);
    }
}
