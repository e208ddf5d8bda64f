#pragma once
// The Qt widgets that dialogs become: a top-level window for a modal dialog and a plain child
// widget for a page. Both pass what they receive to the dialog object that owns them.

#include <QDialog>
#include <QWidget>

class CDialog;

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(CDialog* pOwner, QWidget* pParent);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void reject() override;

private:
    CDialog* m_pOwner;
};

class PageWidget : public QWidget {
    Q_OBJECT
public:
    explicit PageWidget(QWidget* pParent);

protected:
    // Enter and Escape pressed inside a page stop here: they neither end the main window's run
    // nor take the page's values back.
    void keyPressEvent(QKeyEvent* pEvent) override;
};
