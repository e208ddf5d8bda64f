#pragma once
// The window of ovalis-table: the files in rows, their values in columns, with menus to open,
// fill, check, save, import and export, and settings that remember the columns.

#include <QMainWindow>
#include <QUndoStack>

#include "table/CheckRunner.h"
#include "table/FileListModel.h"
#include "table/FileLoader.h"
#include "table/SaveRunner.h"
#include "table/TableFilter.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QTableView;

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(QWidget* pParent = nullptr);
    ~TableWindow() override;

    // Adds the files and the sound files of the folders to the table.
    void Open(const QStringList& paths);
    FileListModel& Model() { return m_model; }
    QTableView& View() { return *m_pView; }
    QUndoStack& UndoStack() { return m_undo; }
    SaveRunner& Saver() { return m_saver; }
    CheckRunner& Checker() { return m_checker; }

    // The selected rows in the order shown, and the value columns the selection touches.
    std::vector<int> SelectedRows() const;
    std::vector<CString> SelectedValueNames() const;
    // The rows the filter shows, in the order shown.
    std::vector<int> ShownRows() const;
    void FillDownSelection();
    void SaveAll();
    void CheckAll();
    void CheckShown();
    // Writes the rows shown to strPath; says in the status bar how many, and how many the filter
    // hides.
    void ExportTo(const QString& strPath, bool bJson);

signals:
    void LoadFinished();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildToolsMenu();
    void BuildHelpMenu();
    void ShowCounts();
    // Widens the columns of the names and formats to their longest text, within bounds; never
    // narrows them.
    void WidenToContents();
    void ShowRowState(const QModelIndex& current);
    void Undo();
    void Redo();
    void SyncUndo();
    void BuildFilterBar();
    void BuildHeader();
    void ShowHeaderMenu(const QPoint& point);
    void RestoreSettings();
    void SaveSettings() const;
    bool MayDropEdits(const QString& strAction);
    std::vector<int> AllRows() const;
    // "the 2 files shown (99 hidden by the filter)", or "" when the filter hides none.
    QString HiddenNote() const;
    // The rows an edit of many files takes: those selected, else those shown.
    std::vector<int> RowsToFill(QString& rWhich) const;
    void ShowProgress(const QString& strWork, int nDone, int nTotal);
    void SetSaving(bool bSaving);
    void ApplyEdits(const std::vector<CellChange>& changes, const QString& strStep);
    void OpenFilesDialog();
    void OpenFolderDialog();
    void FillSelection();
    void FillFromName();
    void DatesFromFileTimes();
    void SaveRows(const std::vector<int>& rows);
    void ReloadAll();
    void CloseAll();
    void OpenInViewer();
    void ExportTable(bool bJson);
    void ImportTable();

    QUndoStack m_undo;
    FileListModel m_model;
    TableFilter m_filter;
    FileLoader m_loader;
    SaveRunner m_saver;
    CheckRunner m_checker;
    QTableView* m_pView;
    QLineEdit* m_pFilterText = nullptr;
    QProgressBar* m_pProgress;
    QLabel* m_pCount;
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
    QAction* m_pCheckShown = nullptr;
    QAction* m_pExportCsv = nullptr;
    QAction* m_pExportJson = nullptr;
    bool m_bSaving = false;
};
