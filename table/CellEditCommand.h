#pragma once
// One step of the undo stack: the cells a typed value, a fill or an import changed together.

#include <QUndoCommand>

#include "table/FileListModel.h"

class CellEditCommand : public QUndoCommand {
public:
    // The changes are already made when the command is pushed.
    CellEditCommand(FileListModel& model, std::vector<CellChange> changes, const QString& strText);

    void undo() override;
    void redo() override;

private:
    FileListModel& m_model;
    std::vector<CellChange> m_changes;
    bool m_bMade = true;
};
