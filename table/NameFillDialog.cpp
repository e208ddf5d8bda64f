#include "table/NameFillDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "table/TableColumns.h"

namespace {

constexpr int kPreviewRows = 8;

QWidget* Titled(const QString& strTitle, QWidget* pWidget) {
    auto* pBox = new QWidget;
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setContentsMargins(0, 0, 0, 0);
    auto* pTitle = new QLabel(strTitle);
    pTitle->setWordWrap(true);
    pLayout->addWidget(pTitle);
    pLayout->addWidget(pWidget, 1);
    return pBox;
}

QTableWidgetItem* Item(const QString& strText, bool bGrey = false) {
    auto* pItem = new QTableWidgetItem(strText);
    pItem->setFlags(Qt::ItemIsEnabled);
    if (bGrey) {
        pItem->setForeground(Qt::gray);
    }
    return pItem;
}

}  // namespace

NameFillDialog::NameFillDialog(const QStringList& fileNames, const QString& strWhich,
                               QWidget* pParent)
    : QDialog(pParent),
      m_fileNames(fileNames.mid(0, kPreviewRows)),
      m_pPattern(new QLineEdit(this)),
      m_pNames(new QListWidget(this)),
      m_pPreview(new QTableWidget(this)),
      m_pProblem(new QLabel(this)),
      m_pButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Values from file names"));
    for (const TableColumn& column : TableColumns()) {
        if (column.kind == ColumnKind::Value) {
            m_pNames->addItem(QString::fromStdString(column.strName));
        }
    }
    m_pPattern->setPlaceholderText(QStringLiteral("(?<Originator>[^_]+)_(?<IXML:TAKE>\\d+)"));
    m_pPreview->verticalHeader()->hide();
    m_pPreview->horizontalHeader()->setStretchLastSection(true);
    m_pProblem->setWordWrap(true);
    m_pProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_pButtons->button(QDialogButtonBox::Ok)->setText(tr("Set values"));

    auto* pLayout = new QVBoxLayout(this);
    auto* pHint = new QLabel(
        tr("A regular expression matched against each file's name (without its folder); each "
           "named group names the value it sets, as (?<Originator>[^_]+)_(?<IXML:TAKE>\\d+)."));
    pHint->setWordWrap(true);
    pLayout->addWidget(pHint);
    pLayout->addWidget(m_pPattern);
    auto* pSides = new QHBoxLayout;
    pSides->addWidget(Titled(tr("Values (double-click to add a group):"), m_pNames), 1);
    pSides->addWidget(
        Titled(tr("The first %1 of %2:").arg(m_fileNames.size()).arg(strWhich), m_pPreview), 2);
    pLayout->addLayout(pSides, 1);
    pLayout->addWidget(m_pProblem);
    pLayout->addWidget(m_pButtons);

    connect(m_pPattern, &QLineEdit::textChanged, this, &NameFillDialog::Update);
    connect(m_pNames, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* pItem) { InsertGroup(pItem->text()); });
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 110, metrics.height() * 26);
    Update();
}

void NameFillDialog::InsertGroup(const QString& strName) {
    m_pPattern->insert(QStringLiteral("(?<%1>[^_]+)").arg(strName));
    m_pPattern->setFocus();
}

void NameFillDialog::Update() {
    const QString strProblem =
        m_pPattern->text().isEmpty() ? QString() : m_fill.Compile(m_pPattern->text());
    const bool bReady = !m_pPattern->text().isEmpty() && strProblem.isEmpty();
    m_pProblem->setText(strProblem);
    m_pProblem->setVisible(!strProblem.isEmpty());
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(bReady);
    m_pPreview->clear();
    m_pPreview->setRowCount(static_cast<int>(m_fileNames.size()));
    m_pPreview->setColumnCount(1);
    m_pPreview->setHorizontalHeaderLabels({tr("File")});
    for (int nRow = 0; nRow < m_fileNames.size(); ++nRow) {
        m_pPreview->setItem(nRow, 0, Item(m_fileNames[nRow]));
    }
    if (bReady) {
        ShowPreview();
    }
    m_pPreview->resizeColumnsToContents();
}

void NameFillDialog::ShowPreview() {
    const std::vector<CString> names = m_fill.Names();
    QStringList headers{tr("File")};
    for (const CString& strName : names) {
        headers << QString::fromStdString(strName);
    }
    m_pPreview->setColumnCount(static_cast<int>(headers.size()));
    m_pPreview->setHorizontalHeaderLabels(headers);
    for (int nRow = 0; nRow < m_fileNames.size(); ++nRow) {
        const auto values = m_fill.Values(m_fileNames[nRow]);
        if (!values) {
            m_pPreview->setItem(nRow, 1, Item(tr("does not match"), true));
            continue;
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto it = values->find(names[i]);
            m_pPreview->setItem(
                nRow, static_cast<int>(i) + 1,
                Item(it == values->end() ? QString() : QString::fromStdString(it->second)));
        }
    }
}
