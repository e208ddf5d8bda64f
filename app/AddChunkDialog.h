#pragma once
// The Overview's "Add chunk..." question: which of the chunks the file lacks to add. The kinds
// the file has already are shown but cannot be picked.

#include <QDialog>
#include <optional>
#include <vector>

class CRiffChunkModel;
class QRadioButton;
struct ChunkKind;

class CAddChunkDialog : public QDialog {
public:
    CAddChunkDialog(QWidget* pParent, const CRiffChunkModel& root);

    // The kind chosen; null while none is.
    const ChunkKind* Picked() const;
    // The choices, for tests: one per kind, in AddableKinds' order.
    const std::vector<QRadioButton*>& Choices() const { return m_choices; }

private:
    std::vector<const ChunkKind*> m_kinds;
    std::vector<QRadioButton*> m_choices;
};

// Asks which chunk to add; null when the user cancelled.
const ChunkKind* AskChunkToAdd(QWidget* pParent, const CRiffChunkModel& root);
