#pragma once
// Builds the Qt widgets of a dialog template, converting dialog units to pixels from the
// dialog font's metrics.

#include <QFont>
#include <QRect>

#include "framework/DialogTemplate.h"

class QWidget;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(int x, int y, int cx, int cy) const;
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

QFont DialogFont(const DialogTemplate& dialogTemplate);
// Creates every control of the template as a child of pDialog, in tab order, and sizes pDialog.
void BuildDialog(QWidget* pDialog, const DialogTemplate& dialogTemplate);
