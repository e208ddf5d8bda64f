#include "pages/ChunkDetailsView.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>

#include "core/details/ByteView.h"
#include "core/details/ChunkDetails.h"
#include "framework/Wnd.h"

namespace {

// Lines longer than this (a document on one line) scroll inside the box instead.
constexpr int kWidestColumns = 132;

// Widens the box to its longest line, so that a hex view's columns are seen side by side; the
// page scrolls across when it is narrower than the box.
void WidenToLongestLine(QPlainTextEdit* pEdit, const QString& text) {
    qsizetype nLongest = 0;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        nLongest = std::max(nLongest, line.size());
    }
    const int nWidest = pEdit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                        static_cast<int>(std::min<qsizetype>(nLongest, kWidestColumns));
    const int nMargins = 2 * (pEdit->frameWidth() + qRound(pEdit->document()->documentMargin())) +
                         pEdit->verticalScrollBar()->sizeHint().width() + 2;
    pEdit->resize(std::max(pEdit->width(), nWidest + nMargins), pEdit->height());
}

}  // namespace

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
    if (auto* pEdit = qobject_cast<QPlainTextEdit*>(pBox->GetSafeHwnd());
        pEdit && wrap == DetailsWrap::None) {
        WidenToLongestLine(pEdit, QString::fromStdString(strText));
    }
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
