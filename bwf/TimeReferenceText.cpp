#include "bwf/TimeReferenceText.h"

#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/details/TimeReferenceDetails.h"
#include "framework/Wnd.h"

CString TimeReferenceText(const CChunk& bext) {
    const AudioFacts facts = bext.m_pParent ? AudioFactsOf(*bext.m_pParent) : AudioFacts{};
    const DetailTable table = TimeReferenceDetails(bext, facts);
    CString strText;
    for (const auto& row : table.rows) {
        if (row[0] == "Samples") {
            strText += "Samples: " + row[1] + "\r\n";
        } else if (row[0] == "Time") {
            strText += "Clock: " + row[1] + "\r\n";
        } else if (row[0] == "Timecode") {
            const auto space = row[1].find(' ');
            strText += "TC: " + row[1].substr(0, space) + "\r\n" +
                       (space == CString::npos ? CString() : row[1].substr(space + 1));
        }
    }
    return strText + table.text;
}

void ShowTimeReference(CWnd& page, const CChunk* pBext) {
    if (CWnd* pBox = page.GetDlgItem(IDC_TIME_REFERENCE_TEXT); pBox && pBext) {
        pBox->SetWindowText(TimeReferenceText(*pBext));
    }
}
