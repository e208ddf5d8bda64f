#include "app/AddChunkDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/edit/ChunkInsert.h"

CAddChunkDialog::CAddChunkDialog(QWidget* pParent, const CRiffChunkModel& root)
    : QDialog(pParent), m_kinds(AddableKinds()) {
    setWindowTitle("Add chunk");
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel("Add an empty chunk to the file; it is written when you save:"));
    for (const ChunkKind* pKind : m_kinds) {
        const bool bHas = HasChunkOfKind(root, *pKind);
        auto* pChoice =
            new QRadioButton(QString::fromUtf8(pKind->newChunk->label) +
                             (bHas ? QStringLiteral(" - the file has one") : QString()));
        pChoice->setEnabled(!bHas);
        pLayout->addWidget(pChoice);
        m_choices.push_back(pChoice);
    }
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* pOk = pButtons->button(QDialogButtonBox::Ok);
    pOk->setText("&Add");
    pOk->setEnabled(false);
    for (QRadioButton* pChoice : m_choices) {
        connect(pChoice, &QRadioButton::toggled, pOk, [this, pOk] { pOk->setEnabled(Picked()); });
    }
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pButtons);
}

const ChunkKind* CAddChunkDialog::Picked() const {
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i]->isChecked() && m_choices[i]->isEnabled()) {
            return m_kinds[i];
        }
    }
    return nullptr;
}

const ChunkKind* AskChunkToAdd(QWidget* pParent, const CRiffChunkModel& root) {
    CAddChunkDialog dialog(pParent, root);
    return dialog.exec() == QDialog::Accepted ? dialog.Picked() : nullptr;
}
