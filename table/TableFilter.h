#pragma once
// The rows the window shows: those whose cells hold the text typed in the filter box, and of
// them, when asked, only those with errors (a failed load, check or save) or only those edited;
// sorted as RowOrder says.

#include <QSortFilterProxyModel>

enum class RowFilter { All, HasErrors, Edited };

class TableFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TableFilter(QObject* pParent = nullptr);

    void SetText(const QString& strText);
    void SetRows(RowFilter rows);
    // Rows are numbered as shown, not as loaded.
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;

protected:
    bool filterAcceptsRow(int nSourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_strText;
    RowFilter m_rows = RowFilter::All;
};
