#include "pages/WaveformView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "pages/WaveformColumns.h"

namespace {

constexpr int kStatusHeight = 30;
constexpr int kMarkHeight = 6;
constexpr int kLabelPadding = 2;

QColor ColourOf(LevelEventKind kind) {
    switch (kind) {
        case LevelEventKind::Clipping:
            return QColor(220, 30, 30);
        case LevelEventKind::Dropout:
            return QColor(240, 140, 0);
        case LevelEventKind::Silence:
            break;
    }
    return QColor(150, 150, 150);
}

QRect LaneOf(const QRect& area, int nChannel, int nChannels) {
    const int top = area.top() + area.height() * nChannel / nChannels;
    const int bottom = area.top() + area.height() * (nChannel + 1) / nChannels;
    return QRect(area.left(), top, area.width(), bottom - top);
}

QString Decibels(double level) {
    return level > 0 ? QString::number(20 * std::log10(level), 'f', 1) : QStringLiteral("-inf");
}

}  // namespace

QString ChannelLevelText(const ChannelLevels& levels) {
    return Decibels(levels.peak) + " | " + Decibels(levels.rms) + " dBFS";
}

CWaveformView::CWaveformView(QWidget* pParent) : QWidget(pParent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CWaveformView::SetEnvelope(LevelEnvelope envelope, std::int64_t nFrames) {
    m_envelope = std::move(envelope);
    m_nFrames = std::max<std::int64_t>(
        nFrames, m_envelope.Blocks() * std::max<std::int64_t>(m_envelope.nBlockFrames, 1));
    update();
}

void CWaveformView::SetEvents(std::vector<LevelEvent> events) {
    m_events = std::move(events);
    update();
}

void CWaveformView::SetStatus(const QString& strStatus) {
    m_strStatus = strStatus;
    update();
}

void CWaveformView::SetChannelNames(QStringList names) {
    m_names = std::move(names);
    update();
}

void CWaveformView::SetLevels(const std::vector<ChannelLevels>& levels) {
    m_levelTexts.clear();
    for (const ChannelLevels& channel : levels) {
        m_levelTexts.push_back(ChannelLevelText(channel));
    }
    update();
}

// Each pixel column shows the lowest and highest point of the blocks it covers.
int CWaveformView::DrawLane(QPainter& painter, int nChannel, const QRect& lane) const {
    const int nChannels = m_envelope.nChannels;
    const double middle = lane.center().y();
    const double half = lane.height() / 2.0;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(lane.left(), static_cast<int>(middle), lane.right(), static_cast<int>(middle));
    painter.setPen(palette().color(QPalette::Highlight));
    const std::vector<BlockSpan> columns =
        ColumnBlocks(m_envelope.Blocks(), m_envelope.nBlockFrames, m_nFrames, lane.width());
    for (std::size_t x = 0; x < columns.size(); ++x) {
        float low = 1, high = -1;
        for (std::int64_t nBlock = columns[x].nFirst; nBlock < columns[x].nEnd; ++nBlock) {
            const auto nAt = static_cast<std::size_t>(nBlock * nChannels + nChannel);
            low = std::min(low, m_envelope.minima[nAt]);
            high = std::max(high, m_envelope.maxima[nAt]);
        }
        // A flat stretch still shows as a line a pixel high, never as nothing.
        const int nTop = static_cast<int>(std::floor(middle - high * half));
        const int nBottom = std::max(nTop, static_cast<int>(std::floor(middle - low * half)));
        const int nColumn = lane.left() + static_cast<int>(x);
        painter.drawLine(nColumn, nTop, nColumn, nBottom);
    }
    return static_cast<int>(columns.size());
}

// The channel's name in the column left of its lane, its levels in the column right of it.
void CWaveformView::DrawLabels(QPainter& painter, int nChannel, const QRect& row) const {
    const QString name =
        nChannel < m_names.size() ? m_names[nChannel] : QString::number(nChannel + 1);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(palette().color(QPalette::Text));
    const Columns columns = ColumnsOf(row.width());
    const QRect left(row.left() + kLabelPadding, row.top(), columns.nNames - 2 * kLabelPadding,
                     row.height());
    painter.drawText(left, Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(name, Qt::ElideRight, left.width()));
    if (nChannel < m_levelTexts.size()) {
        const QRect right(row.right() + 1 - columns.nLevels + kLabelPadding, row.top(),
                          columns.nLevels - 2 * kLabelPadding, row.height());
        painter.drawText(right, Qt::AlignVCenter | Qt::AlignRight, m_levelTexts[nChannel]);
    }
}

CWaveformView::Columns CWaveformView::ColumnsOf(int nWidth) const {
    const QFontMetrics metrics = fontMetrics();
    int nNames = 0;
    for (int c = 0; c < m_envelope.nChannels; ++c) {
        const QString name = c < m_names.size() ? m_names[c] : QString::number(c + 1);
        nNames = std::max(nNames, metrics.horizontalAdvance(name) + 2 * kLabelPadding);
    }
    int nLevels = 0;
    for (const QString& text : m_levelTexts) {
        nLevels = std::max(nLevels, metrics.horizontalAdvance(text) + 2 * kLabelPadding);
    }
    // The lanes keep at least half the width: the names give up room to the levels first, and a
    // long name is cut with an ellipsis.
    nLevels = std::min(nLevels, nWidth / 3);
    nNames = std::min(nNames, std::max(0, nWidth / 2 - nLevels));
    return {nNames, nLevels};
}

int CWaveformView::LaneWidth() const {
    const Columns columns = ColumnsOf(width());
    return std::max(0, width() - columns.nNames - columns.nLevels);
}

void CWaveformView::DrawEvents(QPainter& painter, const QRect& area) const {
    const int nChannels = std::max(m_envelope.nChannels, 1);
    const double laneHeight = static_cast<double>(area.height()) / nChannels;
    const double pixelsPerFrame =
        static_cast<double>(area.width()) / std::max<std::int64_t>(m_nFrames, 1);
    for (const LevelEvent& event : m_events) {
        const int x = area.left() + static_cast<int>(event.nFrame * pixelsPerFrame);
        const int width = std::max(2, static_cast<int>(event.nLength * pixelsPerFrame));
        const int y = area.top() + static_cast<int>(event.nChannel * laneHeight);
        painter.fillRect(x, y, width, kMarkHeight, ColourOf(event.kind));
    }
}

void CWaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(4, 0, width() - 8, kStatusHeight),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, m_strStatus);
    const Columns columns = ColumnsOf(width());
    const QRect rows(0, kStatusHeight, width(), height() - kStatusHeight);
    const QRect area(columns.nNames, rows.top(), LaneWidth(), rows.height());
    m_nDrawnWidth = 0;
    if (!HasEnvelope() || area.width() <= 0 || area.height() <= 0) {
        return;
    }
    const int nChannels = m_envelope.nChannels;
    m_nDrawnWidth = area.width();
    for (int c = 0; c < nChannels; ++c) {
        const QRect lane = LaneOf(area, c, nChannels);
        // Many lanes keep most of their height for the wave, under a thinner row of marks.
        const int nMarks = std::min(kMarkHeight, lane.height() / 4);
        m_nDrawnWidth =
            std::min(m_nDrawnWidth, DrawLane(painter, c, lane.adjusted(0, nMarks, 0, 0)));
        DrawLabels(painter, c, LaneOf(rows, c, nChannels));
    }
    DrawEvents(painter, area);
}
