#include "framework/ElidedLabel.h"

#include <QFontMetrics>
#include <QResizeEvent>

ElidedLabel::ElidedLabel(Qt::TextElideMode mode, QWidget* pParent) : QLabel(pParent), m_mode(mode) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::SetFullText(const QString& text) {
    m_fullText = text;
    Elide();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* pEvent) {
    QLabel::resizeEvent(pEvent);
    Elide();
}

void ElidedLabel::Elide() {
    const QString shown = fontMetrics().elidedText(m_fullText, m_mode, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}
