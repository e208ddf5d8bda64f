#include "framework/DialogBuilder.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "framework/ElidedLabel.h"
#include "framework/TabControlWidget.h"
#include "framework/WidgetText.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

QString ControlText(const char* text) {
    return QString::fromUtf8(text);
}

QLabel* MakeLabel(const DialogControl& control, QWidget* pParent) {
    if (!(control.style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS))) {
        return new QLabel(ControlText(control.text), pParent);
    }
    auto* pElided = new ElidedLabel(
        (control.style & SS_PATHELLIPSIS) ? Qt::ElideMiddle : Qt::ElideRight, pParent);
    pElided->SetFullText(ControlText(control.text));
    return pElided;
}

QWidget* MakeText(const DialogControl& control, QWidget* pParent) {
    QLabel* pLabel = MakeLabel(control, pParent);
    // Texts come from files too; markup in them is shown as it is.
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment((control.style & SS_CENTER) ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
    pLabel->setWordWrap(control.cy > 12 && !qobject_cast<ElidedLabel*>(pLabel));
    if (control.style & SS_DIALOGFRAME) {
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        pLabel->setLineWidth(2);
    }
    return pLabel;
}

QWidget* MakePicture(const DialogControl& control, QWidget* pParent) {
    AfxInitResources();
    auto* pLabel = new QLabel(pParent);
    pLabel->setPixmap(QPixmap(QStringLiteral(":/res/%1.png").arg(ControlText(control.text))));
    return pLabel;
}

QWidget* MakeEdit(const DialogControl& control, QWidget* pParent) {
    QWidget* pEdit = nullptr;
    if (control.style & ES_MULTILINE) {
        auto* pText = new QPlainTextEdit(pParent);
        pText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        pText->setTabChangesFocus(true);
        pText->setVerticalScrollBarPolicy((control.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
        pEdit = pText;
    } else {
        auto* pLine = new QLineEdit(pParent);
        pLine->setFrame(control.style & WS_BORDER);
        pEdit = pLine;
    }
    if (control.style & ES_READONLY) {
        SetEditReadOnly(pEdit, true);
    }
    return pEdit;
}

QWidget* MakeButton(const DialogControl& control, QWidget* pParent) {
    auto* pButton = new QPushButton(ControlText(control.text), pParent);
    // No button is a default button: Enter with no button focused reaches the dialog itself.
    pButton->setAutoDefault(false);
    pButton->setDefault(false);
    return pButton;
}

QWidget* MakeListView(QWidget* pParent) {
    auto* pTable = new QTableWidget(pParent);
    pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    pTable->verticalHeader()->setVisible(false);
    pTable->horizontalHeader()->setStretchLastSection(true);
    return pTable;
}

QWidget* MakeComboBox(QWidget* pParent) {
    auto* pCombo = new QComboBox(pParent);
    pCombo->setEditable(true);
    pCombo->setInsertPolicy(QComboBox::NoInsert);
    return pCombo;
}

QWidget* MakeControl(const DialogControl& control, QWidget* pParent) {
    switch (control.kind) {
        case ControlKind::Text:
            return MakeText(control, pParent);
        case ControlKind::Picture:
            return MakePicture(control, pParent);
        case ControlKind::GroupBox:
            return new QGroupBox(ControlText(control.text), pParent);
        case ControlKind::PushButton:
            return MakeButton(control, pParent);
        case ControlKind::Edit:
            return MakeEdit(control, pParent);
        case ControlKind::TabControl:
            return new TabControlWidget(pParent);
        case ControlKind::ListView:
            return MakeListView(pParent);
        case ControlKind::ComboBox:
            return MakeComboBox(pParent);
    }
    return nullptr;
}

void PlaceControl(QWidget* pWidget, const DialogControl& control, const DialogUnits& units) {
    QRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (control.kind == ControlKind::Picture) {
        // A picture keeps to its place whatever the font: its bitmap shrinks or grows to fit it,
        // in proportion, and is centred there, never reaching over the controls around it.
        auto* pLabel = static_cast<QLabel*>(pWidget);
        if (const QPixmap pixmap = pLabel->pixmap(); !pixmap.isNull()) {
            const QPixmap fitted = pixmap.scaled(rect.size(), Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation);
            pLabel->setPixmap(fitted);
            rect = QRect(rect.center() - QPoint(fitted.width() / 2, fitted.height() / 2),
                         fitted.size());
        }
    }
    const bool bOneLineLabel =
        control.kind == ControlKind::Text && control.cy <= 12 &&
        !(control.style & (SS_CENTER | SS_DIALOGFRAME | SS_ENDELLIPSIS | SS_PATHELLIPSIS));
    if (bOneLineLabel) {
        // The font standing in for the template's may run wider than the one the layout was
        // drawn for: a one-line label grows to its text rather than cut it off.
        rect.setWidth(std::max(rect.width(), pWidget->sizeHint().width()));
    }
    pWidget->setGeometry(rect);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    // The average width of the Latin letters and the font height, as dialog units are defined.
    const QFontMetrics metrics(font);
    const int nLetters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (nLetters / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(x * m_baseX / 4, y * m_baseY / 8, cx * m_baseX / 4, cy * m_baseY / 8);
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font(QString::fromUtf8(dialogTemplate.fontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

void BuildDialog(QWidget* pDialog, const DialogTemplate& dialogTemplate) {
    const QFont font = DialogFont(dialogTemplate);
    pDialog->setFont(font);
    const DialogUnits units(font);
    const QRect frame = units.ToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy);
    pDialog->resize(frame.size());
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* pWidget = MakeControl(control, pDialog);
        pWidget->setProperty(kControlIdProperty, control.nID);
        pWidget->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
        PlaceControl(pWidget, control, units);
        pWidget->setVisible(control.style & WS_VISIBLE);
    }
}
