#pragma once
// The text of whatever kind of widget a template control became, and control lookup by id.

#include <QString>

class QWidget;

QString WidgetText(const QWidget* pWidget);
void SetWidgetText(QWidget* pWidget, const QString& text);
// Selects the whole text of an edit box; other widgets are left alone.
void SelectAllText(QWidget* pWidget);
// Makes an edit box read-only, greyed as a box that cannot be changed, or editable again. False,
// and nothing changed, for any other widget.
bool SetEditReadOnly(QWidget* pWidget, bool bReadOnly);
// The direct child of pParent that carries control id nID, or null.
QWidget* FindControl(const QWidget* pParent, int nID);
