#pragma once
// One text field's edit box: shows the field's bytes and, when they are taken back, gives the
// bytes read for a box the user left alone and the edited text, encoded, for one the user changed.
// A multi-line text keeps the line breaks of the bytes shown (CR LF, LF or CR).

#include "core/fields/FieldEncoding.h"

class CDataExchange;
class CWnd;

class CFieldText {
public:
    // bMultiLine: the box takes several lines.
    explicit CFieldText(bool bMultiLine = false);

    void Show(CWnd* pBox, const CString& strBytes);
    CString Take(const CWnd* pBox) const;
    // Whether the box holds other text than it was shown with; false before it was shown.
    bool IsEdited(const CWnd* pBox) const;

private:
    bool m_bMultiLine;
    bool m_bShown = false;
    CString m_strShownBytes;
    FieldEncoding m_encoding = FieldEncoding::Utf8;
    // What the box gave back right after showing; the box may have normalised line breaks.
    CString m_strShownText;
};

// Exchanges strBytes, the field's bytes, with the box nIDC through field.
void DDX_FieldText(CDataExchange* pDX, int nIDC, CString& strBytes, CFieldText& field);
