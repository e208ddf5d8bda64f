#include "pages/dataPropertyPage.h"

#include <QGroupBox>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/SampleFrames.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChannelNames.h"
#include "core/edit/PeakEnvelopeStore.h"
#include "core/integrity/LevelFindings.h"
#include "core/integrity/PeakEnvelopeLevels.h"
#include "pages/SampleFactsText.h"
#include "pages/WaveformView.h"

IMPLEMENT_DYNCREATE(CdataPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CdataPropertyPage, CDialog)
ON_BN_CLICKED(IDC_MEASURE_LEVELS, &CdataPropertyPage::OnMeasureLevels)
END_MESSAGE_MAP()

namespace {

constexpr int kPollMilliseconds = 50;
constexpr const char* kLevelsNote = "Right of each channel: peak | RMS.";

QString Text(const CString& strText) {
    return QString::fromStdString(strText);
}

}  // namespace

CRiffChunkModel* CdataPropertyPage::Root() const {
    return m_pChunk ? dynamic_cast<CRiffChunkModel*>(m_pChunk->m_pParent) : nullptr;
}

BOOL CdataPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    const CRiffChunkModel* pRoot = Root();
    if (CWnd* pFacts = GetDlgItem(IDC_SAMPLE_FACTS); pFacts && pRoot) {
        pFacts->SetWindowText(SampleFactsText(*pRoot));
    }
    MakeView();
    ShowHeldEnvelope();
    return TRUE;
}

void CdataPropertyPage::MakeView() {
    CWnd* pFrame = GetDlgItem(IDC_WAVEFORM);
    if (!pFrame || !pFrame->GetSafeHwnd()) {
        return;
    }
    auto* pLayout = new QVBoxLayout(pFrame->GetSafeHwnd());
    pLayout->setContentsMargins(4, 4, 4, 4);
    m_pView = new CWaveformView;
    pLayout->addWidget(m_pView);
    m_pTimer = new QTimer(GetSafeHwnd());
    QObject::connect(m_pTimer, &QTimer::timeout, [this] { Poll(); });
}

void CdataPropertyPage::ShowHeldEnvelope() {
    const CRiffChunkModel* pRoot = Root();
    if (!m_pView || !pRoot) {
        return;
    }
    const CChunk* pLevl = PeakEnvelopeChunkOf(*pRoot);
    std::optional<LevelEnvelope> envelope =
        pLevl ? EnvelopeOfChunk(*pLevl, kMostDrawnBlocks) : std::nullopt;
    if (!envelope) {
        m_pView->SetStatus(
            pLevl ? "The levl chunk holds no envelope to draw; Measure levels draws one."
                  : "No levl chunk: Measure levels draws the waveform from the samples and marks "
                    "clipping (red), dropouts (orange) and silence (grey).");
        return;
    }
    NameLanes(envelope->nChannels);
    m_pView->SetEnvelope(std::move(*envelope),
                         static_cast<std::int64_t>(FramesOfSamples(*pRoot).value_or(0)));
    m_pView->SetStatus(
        "Drawn from the levl chunk. Measure levels marks clipping (red), dropouts (orange) and "
        "silence (grey).");
}

void CdataPropertyPage::NameLanes(int nChannels) {
    QStringList names;
    if (const CRiffChunkModel* pRoot = Root()) {
        for (const CString& strName : ChannelNames(*pRoot, nChannels)) {
            names.push_back(Text(strName));
        }
    }
    m_pView->SetChannelNames(names);
}

void CdataPropertyPage::OnMeasureLevels() {
    CWnd* pButton = GetDlgItem(IDC_MEASURE_LEVELS);
    if (m_work.IsRunning()) {
        m_work.Cancel();
        return;
    }
    const CRiffChunkModel* pRoot = Root();
    if (!pRoot || !m_pView || !m_pTimer) {
        return;
    }
    m_work.Start(SampleSourceOf(*pRoot));
    m_pView->SetStatus("Measuring the levels...");
    if (pButton) {
        pButton->SetWindowText("Stop");
    }
    m_pTimer->start(kPollMilliseconds);
}

void CdataPropertyPage::Poll() {
    std::optional<LevelResult> result = m_work.TakeResult();
    if (!result) {
        m_pView->SetStatus(QString("Measuring the levels... %1%").arg(m_work.Percent()));
        return;
    }
    m_pTimer->stop();
    if (CWnd* pButton = GetDlgItem(IDC_MEASURE_LEVELS)) {
        pButton->SetWindowText("&Measure levels");
    }
    ShowLevels(*result);
}

void CdataPropertyPage::ShowLevels(const LevelResult& result) {
    if (!result.report) {
        m_pView->SetStatus(result.strFailure == kCancelled
                               ? QString("Measuring stopped.")
                               : "The levels were not measured: " + Text(result.strFailure) + ".");
        return;
    }
    NameLanes(result.report->envelope.nChannels);
    m_pView->SetEnvelope(result.report->envelope, result.report->nFrames);
    m_pView->SetEvents(result.report->events);
    m_pView->SetLevels(result.report->channels);
    m_pView->SetStatus(Text(LevelFindingsSummary(LevelFindings(*result.report))) + " " +
                       kLevelsNote);
}
