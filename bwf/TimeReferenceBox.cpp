#include "bwf/TimeReferenceBox.h"

#include <QWidget>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/details/AudioFacts.h"
#include "core/details/Timecode.h"
#include "core/fields/BextFields.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"

namespace {

const FieldLayout& Low() {
    return *kBextFields.Find("TimeReferenceLow");
}

const FieldLayout& High() {
    return *kBextFields.Find("TimeReferenceHigh");
}

AudioFacts FactsOf(const CChunk& bext) {
    return bext.m_pParent ? AudioFactsOf(*bext.m_pParent) : AudioFacts{};
}

CString ShownText(const CChunk& bext) {
    const std::uint64_t samples = ReadNumber(bext, Low()) | std::uint64_t{ReadNumber(bext, High())}
                                                                << 32;
    const AudioFacts facts = FactsOf(bext);
    const CString strTimecode = TimecodeText(samples, facts.dwSampleRate, facts.Rate());
    return strTimecode.empty() ? std::to_string(samples) : strTimecode;
}

CString Trimmed(const CString& strText) {
    const auto first = strText.find_first_not_of(" \t");
    return first == CString::npos
               ? CString()
               : strText.substr(first, strText.find_last_not_of(" \t") + 1 - first);
}

}  // namespace

void CTimeReferenceBox::Show(CWnd& page, const CChunk* pBext) {
    CWnd* pBox = page.GetDlgItem(IDC_TIME_REFERENCE_EDIT);
    const bool bHeld =
        pBext && pBext->Data() && IsFieldHeld(*pBext, Low()) && IsFieldHeld(*pBext, High());
    m_shown = bHeld ? std::optional(ShownText(*pBext)) : std::nullopt;
    if (pBox) {
        pBox->SetWindowText(m_shown.value_or(CString()));
        pBox->SetReadOnly(bHeld ? FALSE : TRUE);
        pBox->GetSafeHwnd()->setToolTip(QStringLiteral(
            "The time reference a save stores: hh:mm:ss:ff at the rate the box beside names, or "
            "a number of samples"));
    }
}

void CTimeReferenceBox::Store(const CWnd& page, CChunk* pBext) const {
    const CWnd* pBox = page.GetDlgItem(IDC_TIME_REFERENCE_EDIT);
    if (!pBox || !pBext || !m_shown || pBox->GetWindowText() == *m_shown) {
        return;
    }
    const CString strText = Trimmed(pBox->GetWindowText());
    const AudioFacts facts = FactsOf(*pBext);
    const auto samples = SamplesOfTimecode(strText, facts.dwSampleRate, facts.Rate());
    if (!samples) {
        const TimecodeRate rate = facts.Rate();
        const CString strTimecode = facts.dwSampleRate
                                        ? (rate.drop ? "hh:mm:ss;ff at " : "hh:mm:ss:ff at ") +
                                              TimecodeRateName(rate) + ", or "
                                        : "";
        AfxMessageBox("bext TimeReference \"" + strText + "\" is not saved. Please enter " +
                      strTimecode + "a number of samples.");
        return;
    }
    WriteNumber(pBext->Data(), pBext->DataSize(), Low(), static_cast<DWORD>(*samples));
    WriteNumber(pBext->Data(), pBext->DataSize(), High(), static_cast<DWORD>(*samples >> 32));
}
