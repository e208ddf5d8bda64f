#include "table/TableFilter.h"

#include "table/FileListModel.h"
#include "table/RowOrder.h"

TableFilter::TableFilter(QObject* pParent) : QSortFilterProxyModel(pParent) {
    setSortRole(FileListModel::SortRole);
}

void TableFilter::SetText(const QString& strText) {
    m_strText = strText;
    invalidateFilter();
}

void TableFilter::SetRows(RowFilter rows) {
    m_rows = rows;
    invalidateFilter();
}

QVariant TableFilter::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (orientation == Qt::Vertical && nRole == Qt::DisplayRole) {
        return nSection + 1;
    }
    return QSortFilterProxyModel::headerData(nSection, orientation, nRole);
}

bool TableFilter::filterAcceptsRow(int nSourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel& model = *sourceModel();
    const QModelIndex first = model.index(nSourceRow, 0, sourceParent);
    if ((m_rows == RowFilter::HasErrors && !first.data(FileListModel::FailedRole).toBool()) ||
        (m_rows == RowFilter::Edited && !first.data(FileListModel::EditedRole).toBool())) {
        return false;
    }
    if (m_strText.isEmpty()) {
        return true;
    }
    for (int nColumn = 0; nColumn < model.columnCount(sourceParent); ++nColumn) {
        if (model.index(nSourceRow, nColumn, sourceParent)
                .data()
                .toString()
                .contains(m_strText, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool TableFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return SortsBefore(left.data(sortRole()), right.data(sortRole()));
}
