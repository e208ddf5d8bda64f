#pragma once
// The dialog of Edit > Values from file names: the pattern, the names of the values a group can
// name (a double click puts a group for one into the pattern), and a preview of the values the
// pattern finds in the first files' names, kept up to date as the pattern is typed.

#include <QDialog>
#include <QStringList>

#include "table/FillRules.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

class NameFillDialog : public QDialog {
    Q_OBJECT
public:
    // fileNames: the names of the files the values go to, in the order shown; strWhich says which
    // files they are ("the 12 selected files").
    NameFillDialog(const QStringList& fileNames, const QString& strWhich,
                   QWidget* pParent = nullptr);

    // Compiled; valid once the dialog is accepted.
    const NameFill& Fill() const { return m_fill; }
    QLineEdit& Pattern() { return *m_pPattern; }
    QListWidget& Names() { return *m_pNames; }
    QTableWidget& Preview() { return *m_pPreview; }

private:
    void Update();
    void ShowPreview();
    void InsertGroup(const QString& strName);

    QStringList m_fileNames;
    NameFill m_fill;
    QLineEdit* m_pPattern;
    QListWidget* m_pNames;
    QTableWidget* m_pPreview;
    QLabel* m_pProblem;
    QDialogButtonBox* m_pButtons;
};
