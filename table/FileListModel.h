#pragma once
// The files of the table as rows and their values as columns (see TableColumns). Every edit
// goes through the undo stack; an edit the value's rules refuse leaves the cell as it was and
// says why in the cell's tooltip.

#include <QAbstractTableModel>
#include <map>
#include <set>

#include "table/TableFile.h"

class QUndoStack;

// One value of one file, as a command makes it.
struct CellChange {
    int nRow;
    CString strName;
    CString strValue;
};

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Roles the filter reads; the sort role's values are ordered by SortsBefore (RowOrder.h).
    enum Role { EditedRole = Qt::UserRole, FailedRole, SortRole };

    explicit FileListModel(QUndoStack& undo, QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value,
                 int nRole = Qt::EditRole) override;

    // Adds the files not listed yet.
    void AddFiles(std::vector<std::unique_ptr<TableFile>> files);
    void Clear();
    const TableFile& File(int nRow) const { return *m_files[static_cast<std::size_t>(nRow)]; }
    TableFile& File(int nRow) { return *m_files[static_cast<std::size_t>(nRow)]; }
    bool HasEdits() const;
    int RowOf(const CString& strPath) const;

    // Makes the changes as one step of the undo stack; those refused are said in their cells.
    // Returns how many were refused.
    int Edit(const std::vector<CellChange>& changes, const QString& strStep);
    // For the undo commands: the changes made and taken back again.
    void Apply(const std::vector<CellChange>& changes);
    void TakeBack(const std::vector<CellChange>& changes);
    // The cell's refusal, for the status bar; empty when the value was taken.
    QString Refusal(int nRow, int nColumn) const;
    // Tells the views that a row's file changed (after a check or a save).
    void RowChanged(int nRow);

signals:
    void Refused(const QString& strWhy);
    // What a value that was taken lost (a text cut to its field) or left (derived values that
    // disagree), for the status bar.
    void Noted(const QString& strWhat);

private:
    bool IsEditable(int nRow, int nColumn) const;
    QVariant Shown(const TableFile& file, int nColumn) const;
    QVariant Tip(const TableFile& file, int nRow, int nColumn) const;
    QVariant SortValue(const TableFile& file, int nColumn) const;
    QVariant Background(const TableFile& file, int nRow, int nColumn) const;

    QUndoStack& m_undo;
    std::vector<std::unique_ptr<TableFile>> m_files;
    std::set<CString> m_paths;
    std::map<std::pair<int, int>, QString> m_refusals;
};
