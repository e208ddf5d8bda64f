#pragma once
// The data page's waveform: each channel's envelope in a lane of its own, the runs the levels
// found marked above it (clipping red, dropouts orange, silence grey), and a line of status.

#include <QString>
#include <QWidget>

#include "core/integrity/LevelMeter.h"

// A page is never wider than this many pixels: an envelope of more blocks draws nothing more.
inline constexpr std::size_t kMostDrawnBlocks = 4096;

class CWaveformView : public QWidget {
    Q_OBJECT

public:
    explicit CWaveformView(QWidget* pParent = nullptr);

    // nFrames: how many frames the whole width stands for.
    void SetEnvelope(LevelEnvelope envelope, std::int64_t nFrames);
    void SetEvents(std::vector<LevelEvent> events);
    void SetStatus(const QString& strStatus);
    const QString& Status() const { return m_strStatus; }
    bool HasEnvelope() const { return m_envelope.Blocks() > 0; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void DrawLane(class QPainter& painter, int nChannel, const QRect& lane) const;
    void DrawEvents(QPainter& painter, const QRect& area) const;

    LevelEnvelope m_envelope;
    std::int64_t m_nFrames = 0;
    std::vector<LevelEvent> m_events;
    QString m_strStatus;
};
