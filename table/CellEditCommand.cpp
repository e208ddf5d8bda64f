#include "table/CellEditCommand.h"

CellEditCommand::CellEditCommand(FileListModel& model, std::vector<CellChange> changes,
                                 const QString& strText)
    : QUndoCommand(strText), m_model(model), m_changes(std::move(changes)) {}

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
