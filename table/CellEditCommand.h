#pragma once
// One step of the undo stack: the cells a typed value, a fill or an import changed together,
// named for what they changed ("Fill down: Originator of 12 files").

#include <QUndoCommand>

#include "table/FileListModel.h"

class CellEditCommand : public QUndoCommand {
public:
    // The changes are already made when the command is pushed; strStep names the action.
    CellEditCommand(FileListModel& model, std::vector<CellChange> changes, const QString& strStep);

    void undo() override;
    void redo() override;

private:
    FileListModel& m_model;
    std::vector<CellChange> m_changes;
    bool m_bMade = true;
};
