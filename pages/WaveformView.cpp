#include "pages/WaveformView.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kStatusHeight = 30;
constexpr int kMarkHeight = 6;

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

}  // namespace

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

// Each pixel column shows the lowest and highest point of the blocks it covers.
void CWaveformView::DrawLane(QPainter& painter, int nChannel, const QRect& lane) const {
    const std::int64_t nBlocks = m_envelope.Blocks();
    const int nChannels = m_envelope.nChannels;
    const double framesPerPixel = static_cast<double>(m_nFrames) / lane.width();
    const double middle = lane.center().y();
    const double half = lane.height() / 2.0;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(lane.left(), static_cast<int>(middle), lane.right(), static_cast<int>(middle));
    painter.setPen(palette().color(QPalette::Highlight));
    std::int64_t nBlock = 0;
    for (int x = 0; x < lane.width() && nBlock < nBlocks; ++x) {
        const auto nEnd = static_cast<std::int64_t>((x + 1) * framesPerPixel);
        float low = 1, high = -1;
        do {
            const std::size_t nAt = static_cast<std::size_t>(nBlock * nChannels + nChannel);
            low = std::min(low, m_envelope.minima[nAt]);
            high = std::max(high, m_envelope.maxima[nAt]);
            ++nBlock;
        } while (nBlock < nBlocks && nBlock * m_envelope.nBlockFrames < nEnd);
        painter.drawLine(lane.left() + x, static_cast<int>(middle - high * half), lane.left() + x,
                         static_cast<int>(middle - low * half));
    }
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
    const QRect area(0, kStatusHeight, width(), height() - kStatusHeight);
    if (!HasEnvelope() || area.width() <= 0 || area.height() <= 0) {
        return;
    }
    const int nChannels = m_envelope.nChannels;
    for (int c = 0; c < nChannels; ++c) {
        const int top = area.top() + area.height() * c / nChannels;
        const int bottom = area.top() + area.height() * (c + 1) / nChannels;
        DrawLane(painter, c,
                 QRect(area.left(), top + kMarkHeight, area.width(), bottom - top - kMarkHeight));
    }
    DrawEvents(painter, area);
}
