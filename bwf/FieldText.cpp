#include "bwf/FieldText.h"

#include <QRegularExpression>

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

namespace {

QString BoxText(const CWnd* pBox) {
    return QString::fromStdString(pBox->GetWindowText());
}

QString WithCrLfLineBreaks(QString text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.replace(lineBreak, QStringLiteral("\r\n"));
}

}  // namespace

CFieldText::CFieldText(bool bCrLfLineBreaks) : m_bCrLfLineBreaks(bCrLfLineBreaks) {}

void CFieldText::Show(CWnd* pBox, const CString& strBytes) {
    m_strShownBytes = strBytes;
    m_encoding = EncodingOf(strBytes);
    pBox->SetWindowText(DecodeFieldBytes(strBytes).toStdString());
    m_shownText = BoxText(pBox);
}

CString CFieldText::Take(const CWnd* pBox) const {
    const QString text = BoxText(pBox);
    if (text == m_shownText) {
        return m_strShownBytes;
    }
    return EncodeFieldText(m_bCrLfLineBreaks ? WithCrLfLineBreaks(text) : text, m_encoding);
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
