#pragma once
// A one-line label that shows as much of its text as fits, with "…" where the rest was cut, and
// the whole text as its tooltip whenever it is cut. It never asks its layout for the text's width.

#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(Qt::TextElideMode mode, QWidget* pParent = nullptr);

    void SetFullText(const QString& text);
    const QString& FullText() const { return m_fullText; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void Elide();

    Qt::TextElideMode m_mode;
    QString m_fullText;
};
