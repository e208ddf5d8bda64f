#include "table/CellEditCommand.h"

#include <QStringList>
#include <filesystem>
#include <set>

namespace {

// Two values are named; more are counted.
constexpr std::size_t kValuesNamed = 2;

QString StepText(const FileListModel& model, const std::vector<CellChange>& changes,
                 const QString& strStep) {
    std::set<CString> names;
    std::set<int> rows;
    for (const CellChange& change : changes) {
        names.insert(change.strName);
        rows.insert(change.nRow);
    }
    QStringList values;
    for (const CString& strName : names) {
        values << QString::fromStdString(strName);
    }
    const QString strValues = names.size() <= kValuesNamed
                                  ? values.join(QStringLiteral(", "))
                                  : QObject::tr("%1 values").arg(names.size());
    const QString strFiles =
        rows.size() == 1
            ? QString::fromStdString(
                  std::filesystem::path(model.File(*rows.begin()).strPath).filename().string())
            : QObject::tr("%1 files").arg(rows.size());
    return QObject::tr("%1: %2 of %3").arg(strStep, strValues, strFiles);
}

}  // namespace

CellEditCommand::CellEditCommand(FileListModel& model, std::vector<CellChange> changes,
                                 const QString& strStep)
    : QUndoCommand(StepText(model, changes, strStep)),
      m_model(model),
      m_changes(std::move(changes)) {}

void CellEditCommand::undo() {
    m_model.TakeBack(m_changes);
    m_bMade = false;
}

void CellEditCommand::redo() {
    if (!m_bMade) {
        m_model.Apply(m_changes);
    }
    m_bMade = true;
}
