#include "table/FileListModel.h"

#include <QBrush>
#include <QFont>
#include <QUndoStack>
#include <filesystem>

#include "table/CellEditCommand.h"
#include "table/CellRules.h"
#include "table/CheckRunner.h"
#include "table/RowOrder.h"
#include "table/TableColumns.h"

namespace {

const QColor kEditedColour(255, 244, 200);
const QColor kFailedColour(255, 214, 214);

QString Text(const CString& strText) {
    return QString::fromStdString(strText);
}

const TableColumn& ColumnAt(int nColumn) {
    return TableColumns()[static_cast<std::size_t>(nColumn)];
}

// Rich text, so that the tooltip wraps a long reason instead of running off the screen.
QString WrappedTip(const QString& strText) {
    return strText.isEmpty() ? strText
                             : QStringLiteral("<p style='white-space:pre-wrap'>") +
                                   strText.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace

FileListModel::FileListModel(QUndoStack& undo, QObject* pParent)
    : QAbstractTableModel(pParent), m_undo(undo) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_files.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(TableColumns().size());
}

QVariant FileListModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (orientation != Qt::Horizontal || nRole != Qt::DisplayRole || nSection < 0 ||
        nSection >= columnCount()) {
        return QAbstractTableModel::headerData(nSection, orientation, nRole);
    }
    return Text(ColumnAt(nSection).strName);
}

QVariant FileListModel::Shown(const TableFile& file, int nColumn) const {
    const TableColumn& column = ColumnAt(nColumn);
    switch (column.kind) {
        case ColumnKind::Name:
            return Text(std::filesystem::path(file.strPath).filename().string());
        case ColumnKind::Folder:
            return Text(std::filesystem::path(file.strPath).parent_path().string());
        case ColumnKind::Form:
            return Text(file.strForm);
        case ColumnKind::Format:
            return Text(file.strFormat);
        case ColumnKind::Duration:
            return Text(file.strDuration);
        case ColumnKind::Md5:
            // A file not loaded has no samples to compare.
            if (!file.strFailure.empty()) {
                return QString();
            }
            return Text(!file.strMd5.empty() ? file.strMd5
                        : file.bMd5Stored    ? CString("stored")
                                             : CString("none stored"));
        case ColumnKind::Check:
            return Text(file.strCheck);
        case ColumnKind::Result:
            return Text(file.strFailure.empty() ? file.strResult
                                                : "not loaded: " + file.strFailure);
        case ColumnKind::Value:
            break;
    }
    const auto it = file.values.find(column.strName);
    return it == file.values.end() ? QString() : Text(it->second);
}

QVariant FileListModel::Tip(const TableFile& file, int nRow, int nColumn) const {
    if (const QString strRefusal = Refusal(nRow, nColumn); !strRefusal.isEmpty()) {
        return strRefusal;
    }
    const QString strResult = Shown(file, ColumnIndexOf("Result")).toString();
    switch (ColumnAt(nColumn).kind) {
        case ColumnKind::Check:
            return WrappedTip(Text(file.strCheckDetail));
        case ColumnKind::Result:
            return WrappedTip(strResult);
        case ColumnKind::Name:
            return WrappedTip(Text(file.strPath) +
                              (strResult.isEmpty() ? QString() : "\n" + strResult));
        default:
            return Shown(file, nColumn);
    }
}

QVariant FileListModel::SortValue(const TableFile& file, int nColumn) const {
    switch (ColumnAt(nColumn).kind) {
        case ColumnKind::Check:
            return CheckRank(file.strCheck);
        case ColumnKind::Folder:
            // By folder, and by name within one.
            return Text(file.strPath);
        default:
            return Shown(file, nColumn);
    }
}

QVariant FileListModel::Background(const TableFile& file, int nRow, int nColumn) const {
    const TableColumn& column = ColumnAt(nColumn);
    const bool bFailed =
        m_refusals.count({nRow, nColumn}) > 0 ||
        (column.kind == ColumnKind::Md5 && file.strMd5 == kMd5Differs) ||
        (column.kind == ColumnKind::Check && file.bCheckFailed) ||
        (column.kind == ColumnKind::Result && (file.bResultFailed || !file.strFailure.empty()));
    if (bFailed) {
        return QBrush(kFailedColour);
    }
    const bool bEdited = column.kind == ColumnKind::Value && file.IsEdited(column.strName);
    return bEdited ? QVariant(QBrush(kEditedColour)) : QVariant();
}

QVariant FileListModel::data(const QModelIndex& index, int nRole) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const TableFile& file = File(index.row());
    const int nColumn = index.column();
    switch (nRole) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Shown(file, nColumn);
        case Qt::ToolTipRole:
            return Tip(file, index.row(), nColumn);
        case Qt::BackgroundRole:
            return Background(file, index.row(), nColumn);
        case Qt::FontRole: {
            // An edited row shows bold in its file's name, an edited value in its cell.
            const TableColumn& column = ColumnAt(nColumn);
            QFont font;
            font.setBold(column.kind == ColumnKind::Name ? file.IsEdited()
                                                         : file.IsEdited(column.strName));
            return font;
        }
        case SortRole:
            return SortValue(file, nColumn);
        case EditedRole:
            return file.IsEdited();
        case FailedRole:
            return !file.strFailure.empty() || file.bCheckFailed || file.bResultFailed;
        default:
            return {};
    }
}

bool FileListModel::IsEditable(int nRow, int nColumn) const {
    const TableFile& file = File(nRow);
    return ColumnAt(nColumn).kind == ColumnKind::Value && file.pRoot && !file.bBusy;
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && IsEditable(index.row(), index.column()) ? flags | Qt::ItemIsEditable
                                                                      : flags;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int nRole) {
    if (!index.isValid() || nRole != Qt::EditRole) {
        return false;
    }
    const CString strName = ColumnAt(index.column()).strName;
    return Edit({{index.row(), strName, value.toString().toStdString()}}, tr("Edit")) == 0;
}

void FileListModel::AddFiles(std::vector<std::unique_ptr<TableFile>> files) {
    std::erase_if(files,
                  [this](const auto& pFile) { return !m_paths.insert(pFile->strPath).second; });
    if (files.empty()) {
        return;
    }
    const int nFirst = rowCount();
    beginInsertRows({}, nFirst, nFirst + static_cast<int>(files.size()) - 1);
    for (auto& pFile : files) {
        m_files.push_back(std::move(pFile));
    }
    endInsertRows();
}

void FileListModel::Clear() {
    beginResetModel();
    m_files.clear();
    m_paths.clear();
    m_refusals.clear();
    endResetModel();
    m_undo.clear();
}

bool FileListModel::HasEdits() const {
    return std::any_of(m_files.begin(), m_files.end(),
                       [](const auto& pFile) { return pFile->IsEdited(); });
}

int FileListModel::RowOf(const CString& strPath) const {
    const auto it = std::find_if(m_files.begin(), m_files.end(), [&strPath](const auto& pFile) {
        return pFile->strPath == strPath;
    });
    return it == m_files.end() ? -1 : static_cast<int>(it - m_files.begin());
}

QString FileListModel::Refusal(int nRow, int nColumn) const {
    const auto it = m_refusals.find({nRow, nColumn});
    return it == m_refusals.end() ? QString() : it->second;
}

void FileListModel::RowChanged(int nRow) {
    emit dataChanged(index(nRow, 0), index(nRow, columnCount() - 1));
}

int FileListModel::Edit(const std::vector<CellChange>& changes, const QString& strStep) {
    std::vector<CellChange> made;
    QString strLastRefusal;
    QString strLastNote;
    int nRefused = 0;
    std::set<int> changed;
    for (const CellChange& change : changes) {
        TableFile& file = File(change.nRow);
        const std::pair cell{change.nRow, ColumnIndexOf(change.strName)};
        const auto shown = file.values.find(change.strName);
        const CString strShown = shown == file.values.end() ? CString() : shown->second;
        // An import may set a value the table has no column for.
        const bool bOpen =
            cell.second < 0 ? file.pRoot && !file.bBusy : IsEditable(cell.first, cell.second);
        if (!bOpen || strShown == change.strValue) {
            continue;
        }
        const ValueOutcome outcome = SetCellValue(*file.pRoot, change.strName, change.strValue);
        if (!outcome.problem.empty()) {
            strLastRefusal = Text(file.strPath + ": " + outcome.problem);
            m_refusals[cell] = Text(outcome.problem);
            ReloadWithEdits(file);
            ++nRefused;
        } else {
            m_refusals.erase(cell);
            if (!outcome.note.empty()) {
                strLastNote = Text(file.strPath + ": " + outcome.note);
            }
            file.edits.emplace_back(change.strName, change.strValue);
            file.values[change.strName] = change.strValue;
            made.push_back(change);
        }
        changed.insert(change.nRow);
    }
    // What a file shows is read again once, after all its changes.
    for (const int nRow : changed) {
        RefreshShown(File(nRow));
        RowChanged(nRow);
    }
    if (!made.empty()) {
        m_undo.push(new CellEditCommand(*this, std::move(made), strStep));
    }
    if (!strLastNote.isEmpty()) {
        emit Noted(strLastNote);
    }
    if (!strLastRefusal.isEmpty()) {
        emit Refused(strLastRefusal);
    }
    return nRefused;
}

void FileListModel::Apply(const std::vector<CellChange>& changes) {
    std::set<int> changed;
    for (const CellChange& change : changes) {
        TableFile& file = File(change.nRow);
        file.edits.emplace_back(change.strName, change.strValue);
        if (file.pRoot) {
            SetCellValue(*file.pRoot, change.strName, change.strValue);
        }
        changed.insert(change.nRow);
    }
    for (const int nRow : changed) {
        RefreshShown(File(nRow));
        RowChanged(nRow);
    }
}

void FileListModel::TakeBack(const std::vector<CellChange>& changes) {
    std::map<int, std::size_t> taken;
    for (const CellChange& change : changes) {
        ++taken[change.nRow];
    }
    for (const auto& [nRow, nEdits] : taken) {
        TableFile& file = File(nRow);
        file.edits.resize(file.edits.size() - std::min(nEdits, file.edits.size()));
        ReloadWithEdits(file);
        RowChanged(nRow);
    }
}
