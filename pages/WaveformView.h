#pragma once
// The data page's waveform: each channel's envelope in a lane of its own across the whole width
// between the channel's name at its left and, once measured, its peak and RMS at its right, the
// runs the levels found marked above it (clipping red, dropouts orange, silence grey), and a
// line of status.

#include <QString>
#include <QStringList>
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
    // The lanes' names, the first channel's first; a lane without one is named by its number.
    void SetChannelNames(QStringList names);
    // The channels' peak and RMS, shown at the right of their lanes.
    void SetLevels(const std::vector<ChannelLevels>& levels);
    const QString& Status() const { return m_strStatus; }
    const QStringList& LevelTexts() const { return m_levelTexts; }
    bool HasEnvelope() const { return m_envelope.Blocks() > 0; }
    // The pixels across that the last painting drew the envelope over, and the lanes' width:
    // the view's, less the columns of names at the left and of levels at the right.
    int DrawnWidth() const { return m_nDrawnWidth; }
    int LaneWidth() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // The columns the lane's envelope was drawn over.
    int DrawLane(class QPainter& painter, int nChannel, const QRect& lane) const;
    void DrawEvents(QPainter& painter, const QRect& area) const;
    void DrawLabels(QPainter& painter, int nChannel, const QRect& row) const;
    struct Columns {
        int nNames;
        int nLevels;
    };
    Columns ColumnsOf(int nWidth) const;

    LevelEnvelope m_envelope;
    std::int64_t m_nFrames = 0;
    std::vector<LevelEvent> m_events;
    QString m_strStatus;
    QStringList m_names;
    QStringList m_levelTexts;
    int m_nDrawnWidth = 0;
};

// The peak, then the RMS: "-3.2 | -18.4 dBFS"; "-inf" for digital silence.
QString ChannelLevelText(const ChannelLevels& levels);
