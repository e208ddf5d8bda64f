#pragma once

#include <QPointer>

#include "pages/ChunkPage.h"
#include "pages/LevelWork.h"

class CRiffChunkModel;
class CWaveformView;
class QTimer;

// The controls of the page's template below its line.
inline constexpr int IDC_SAMPLE_FACTS = 1801;
inline constexpr int IDC_MEASURE_LEVELS = 1802;
inline constexpr int IDC_WAVEFORM = 1803;

// The page of the data chunk: "data chunk.", then where the samples are and how long they last,
// and their waveform: drawn from the file's levl chunk when it has one, else from the levels
// that Measure levels takes off the user-interface thread (a second press stops them), with
// the runs the levels find marked on it.
class CdataPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CdataPropertyPage)

protected:
    BOOL OnInitDialog() override;
    void OnMeasureLevels();

    DECLARE_MESSAGE_MAP()

private:
    CRiffChunkModel* Root() const;
    void MakeView();
    void ShowHeldEnvelope();
    void Poll();
    void ShowLevels(const LevelResult& result);
    void NameLanes(int nChannels);

    QPointer<CWaveformView> m_pView;  // the page's widget owns it
    QPointer<QTimer> m_pTimer;
    CLevelWork m_work;
};
