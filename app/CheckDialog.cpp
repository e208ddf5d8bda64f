#include "app/CheckDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/integrity/FindingsSummary.h"

namespace {

QTreeWidget* FindingList(const CheckReport& report) {
    auto* pList = new QTreeWidget;
    // The rule's id before the sentence: a long sentence would push it out of view.
    pList->setHeaderLabels({"Severity", "Chunk", "Offset", "Rule", "Finding"});
    pList->setRootIsDecorated(false);
    for (const Finding& finding : report.findings) {
        auto* pItem = new QTreeWidgetItem(pList);
        pItem->setText(0, QString::fromStdString(SeverityText(finding.severity)));
        pItem->setText(1, QString::fromStdString("'" + finding.strChunk + "'"));
        pItem->setText(2, QString::number(finding.nOffset));
        pItem->setText(3, QString::fromStdString(finding.strRule));
        pItem->setText(4, QString::fromStdString(finding.strSentence));
        pItem->setToolTip(4, QString::fromStdString(finding.strRule + ": " + finding.strSentence));
    }
    // Every column as wide as its texts; the list scrolls across when they are wider than it.
    pList->header()->setStretchLastSection(false);
    for (int i = 0; i < pList->columnCount(); ++i) {
        pList->resizeColumnToContents(i);
    }
    return pList;
}

QComboBox* ProfileBox(CheckProfile profile) {
    auto* pBox = new QComboBox;
    for (const CheckProfileName& name : CheckProfiles()) {
        pBox->addItem(name.title, static_cast<int>(name.profile));
        if (name.profile == profile) {
            pBox->setCurrentIndex(pBox->count() - 1);
        }
    }
    return pBox;
}

}  // namespace

QString ChecksumLine(const ChecksumResult& checksum, const std::optional<Md5Digest>& stored) {
    if (!checksum.digest) {
        return QString::fromStdString("Audio checksum (MD5): not taken: " + checksum.strFailure);
    }
    return QString::fromStdString("Audio checksum (MD5): " + Md5Text(*checksum.digest) + " - " +
                                  StateText(StateOf(stored, *checksum.digest)));
}

CCheckDialog::CCheckDialog(QWidget* pParent, const CString& strPath, const CheckReport& report,
                           const ChecksumResult& checksum, const std::optional<Md5Digest>& stored,
                           CheckProfile profile)
    : QDialog(pParent),
      m_pFindings(FindingList(report)),
      m_pProfiles(ProfileBox(profile)),
      m_pNote(new QLabel) {
    setWindowTitle(QString::fromStdString("Check of " + strPath));
    auto* pLayout = new QVBoxLayout(this);
    m_pNote->setWordWrap(true);
    m_pNote->hide();
    pLayout->addWidget(m_pNote);
    auto* pTop = new QHBoxLayout;
    pTop->addWidget(new QLabel(QString::fromStdString(FindingsSummary(report))), 1);
    auto* pProfileLabel = new QLabel("&Profile:");
    pProfileLabel->setBuddy(m_pProfiles);
    pTop->addWidget(pProfileLabel);
    pTop->addWidget(m_pProfiles);
    pLayout->addLayout(pTop);
    pLayout->addWidget(m_pFindings);
    pLayout->addWidget(new QLabel(ChecksumLine(checksum, stored)));
    auto* pButtons = new QDialogButtonBox;
    QPushButton* pEmbed = pButtons->addButton("&Embed checksum", QDialogButtonBox::ActionRole);
    pEmbed->setEnabled(checksum.digest.has_value());
    QPushButton* pLoudness = pButtons->addButton("&Write loudness", QDialogButtonBox::ActionRole);
    // Enter closes: the buttons that write are pressed only on purpose.
    for (QPushButton* pWrites : {pEmbed, pLoudness}) {
        pWrites->setAutoDefault(false);
    }
    QPushButton* pClose = pButtons->addButton(QDialogButtonBox::Close);
    pClose->setDefault(true);
    connect(pEmbed, &QPushButton::clicked, this, [this] { Choose(Choice::EmbedChecksum); });
    connect(pLoudness, &QPushButton::clicked, this, [this] { Choose(Choice::WriteLoudness); });
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pProfiles, &QComboBox::currentIndexChanged, this,
            [this] { Choose(Choice::Recheck); });
    pLayout->addWidget(pButtons);
    resize(760, 420);
}

void CCheckDialog::ShowNote(const QString& strNote) {
    m_pNote->setText(strNote);
    m_pNote->setVisible(!strNote.isEmpty());
}

QString CCheckDialog::Note() const {
    return m_pNote->text();
}

CheckProfile CCheckDialog::Profile() const {
    return static_cast<CheckProfile>(m_pProfiles->currentData().toInt());
}

void CCheckDialog::Choose(Choice choice) {
    m_choice = choice;
    accept();
}
