#include "table/TableWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <numeric>
#include <set>

#include "table/FillRules.h"
#include "table/TableColumns.h"
#include "table/TableExchange.h"

namespace {

QSettings Settings() {
    return QSettings(QStringLiteral("Ovalis"), QStringLiteral("ovalis-table"));
}

// In characters, until the user sets it.
int FirstWidth(const TableColumn& column) {
    switch (column.kind) {
        case ColumnKind::Path:
            return 56;
        case ColumnKind::Form:
            return 7;
        case ColumnKind::Format:
            return 36;
        case ColumnKind::Duration:
            return 15;
        case ColumnKind::Value:
            return column.strName == "Description" || column.strName == "CodingHistory" ? 40 : 20;
        default:
            return 20;
    }
}

}  // namespace

TableWindow::TableWindow(QWidget* pParent)
    : QMainWindow(pParent),
      m_model(m_undo),
      m_saver(m_model),
      m_checker(m_model),
      m_pView(new QTableView(this)),
      m_pProgress(new QProgressBar(this)),
      m_pCount(new QLabel(this)) {
    setWindowTitle(tr("Ovalis Table"));
    setAcceptDrops(true);
    m_filter.setSourceModel(&m_model);
    m_pView->setModel(&m_filter);
    m_pView->setSortingEnabled(true);
    m_pView->setTextElideMode(Qt::ElideMiddle);
    // Batches arrive from several workers in any order; the paths keep a folder together.
    m_pView->sortByColumn(0, Qt::AscendingOrder);
    m_pView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_pView->verticalHeader()->setDefaultSectionSize(m_pView->fontMetrics().height() + 6);
    m_pView->setContextMenuPolicy(Qt::ActionsContextMenu);
    setCentralWidget(m_pView);
    m_pProgress->setMaximumWidth(240);
    m_pProgress->hide();
    statusBar()->addPermanentWidget(m_pCount);
    statusBar()->addPermanentWidget(m_pProgress);
    BuildHeader();
    BuildFilterBar();
    BuildMenus();
    RestoreSettings();

    connect(&m_loader, &FileLoader::Loaded, this,
            [this](const std::shared_ptr<LoadedBatch>& p) { m_model.AddFiles(std::move(*p)); });
    connect(&m_loader, &FileLoader::Progress, this,
            [this](int nDone, int nTotal) { ShowProgress(tr("Loading"), nDone, nTotal); });
    connect(&m_loader, &FileLoader::Finished, this, [this] {
        m_pProgress->hide();
        emit LoadFinished();
    });
    connect(&m_saver, &SaveRunner::Progress, this,
            [this](int nDone, int nTotal) { ShowProgress(tr("Saving"), nDone, nTotal); });
    connect(&m_saver, &SaveRunner::Finished, this, [this](int nSaved, int nFailed) {
        SetSaving(false);
        // A step of the stack may hold edits of a saved file: undo ends at a save.
        if (nSaved > 0) {
            m_undo.clear();
        }
        statusBar()->showMessage(tr("%1 saved, %2 not saved").arg(nSaved).arg(nFailed));
    });
    connect(&m_checker, &CheckRunner::Progress, this,
            [this](int nDone, int nTotal) { ShowProgress(tr("Checking"), nDone, nTotal); });
    connect(&m_checker, &CheckRunner::Finished, m_pProgress, &QWidget::hide);
    connect(&m_model, &FileListModel::Refused, this,
            [this](const QString& strWhy) { statusBar()->showMessage(strWhy); });
    connect(&m_model, &FileListModel::Noted, this,
            [this](const QString& strWhat) { statusBar()->showMessage(strWhat); });
    auto count = [this] { m_pCount->setText(tr("%1 files").arg(m_model.rowCount())); };
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, count);
    connect(&m_model, &QAbstractItemModel::modelReset, this, count);
    connect(m_pView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const QModelIndex source = m_filter.mapToSource(current);
                const QString strWhy = m_model.Refusal(source.row(), source.column());
                if (!strWhy.isEmpty()) {
                    statusBar()->showMessage(strWhy);
                }
            });
    resize(1200, 700);
}

TableWindow::~TableWindow() {
    // The view goes with the window's widgets, after the models it shows.
    m_pView->setModel(nullptr);
    m_loader.Cancel();
    m_checker.Cancel();
}

void TableWindow::BuildHeader() {
    QHeaderView* pHeader = m_pView->horizontalHeader();
    pHeader->setSectionsMovable(true);
    pHeader->setContextMenuPolicy(Qt::CustomContextMenu);
    pHeader->setDefaultSectionSize(140);
    connect(pHeader, &QWidget::customContextMenuRequested, this, &TableWindow::ShowHeaderMenu);
    const auto& columns = TableColumns();
    const int nChar = m_pView->fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int nColumn = static_cast<int>(i);
        pHeader->setSectionHidden(nColumn, !columns[i].bShownFirst);
        pHeader->resizeSection(nColumn, nChar * FirstWidth(columns[i]));
    }
}

void TableWindow::ShowHeaderMenu(const QPoint& point) {
    QHeaderView* pHeader = m_pView->horizontalHeader();
    QMenu menu(this);
    QMenu* pSubmenu = nullptr;
    const auto& columns = TableColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int nColumn = static_cast<int>(i);
        // The many INFO, iXML and cart columns go in submenus of their own.
        const CString& strName = columns[i].strName;
        const QString strGroup =
            strName.rfind("INFO:", 0) == 0                                              ? tr("INFO")
            : strName.rfind("IXML:", 0) == 0                                            ? tr("iXML")
            : ColumnIndexOf("Title") <= nColumn && columns[i].kind == ColumnKind::Value ? tr("cart")
                                                                                        : QString();
        QMenu* pInto = &menu;
        if (!strGroup.isEmpty()) {
            if (!pSubmenu || pSubmenu->title() != strGroup) {
                pSubmenu = menu.addMenu(strGroup);
            }
            pInto = pSubmenu;
        }
        QAction* pAction = pInto->addAction(QString::fromStdString(strName));
        pAction->setCheckable(true);
        pAction->setChecked(!pHeader->isSectionHidden(nColumn));
        connect(pAction, &QAction::toggled, this,
                [pHeader, nColumn](bool bShown) { pHeader->setSectionHidden(nColumn, !bShown); });
    }
    menu.exec(pHeader->mapToGlobal(point));
}

void TableWindow::BuildFilterBar() {
    QToolBar* pBar = addToolBar(tr("Filter"));
    pBar->setObjectName(QStringLiteral("filter"));
    pBar->setMovable(false);
    m_pFilterText = new QLineEdit(pBar);
    m_pFilterText->setPlaceholderText(tr("Filter: text in any cell"));
    m_pFilterText->setClearButtonEnabled(true);
    m_pFilterText->setMaximumWidth(360);
    pBar->addWidget(m_pFilterText);
    auto* pRows = new QComboBox(pBar);
    pRows->addItems({tr("All files"), tr("Has errors"), tr("Edited")});
    pBar->addWidget(pRows);
    connect(m_pFilterText, &QLineEdit::textChanged, &m_filter, &TableFilter::SetText);
    connect(pRows, &QComboBox::currentIndexChanged, this,
            [this](int nIndex) { m_filter.SetRows(static_cast<RowFilter>(nIndex)); });
}

void TableWindow::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildToolsMenu();
}

void TableWindow::BuildFileMenu() {
    QMenu* pMenu = menuBar()->addMenu(tr("&File"));
    pMenu->addAction(tr("&Open files..."), QKeySequence::Open, this, &TableWindow::OpenFilesDialog);
    pMenu->addAction(tr("Open &folder..."), QKeySequence(tr("Ctrl+Shift+O")), this,
                     &TableWindow::OpenFolderDialog);
    pMenu->addSeparator();
    pMenu->addAction(tr("&Save all"), QKeySequence::Save, this, &TableWindow::SaveAll);
    pMenu->addAction(tr("Save se&lected"), QKeySequence(tr("Ctrl+Shift+S")), this,
                     [this] { SaveRows(SelectedRows()); });
    pMenu->addSeparator();
    pMenu->addAction(tr("&Import CSV or JSON..."), this, &TableWindow::ImportTable);
    pMenu->addAction(tr("&Export CSV..."), this, [this] { ExportTable(false); });
    pMenu->addAction(tr("Export &JSON..."), this, [this] { ExportTable(true); });
    pMenu->addSeparator();
    pMenu->addAction(tr("&Reload from disk"), QKeySequence::Refresh, this, &TableWindow::ReloadAll);
    pMenu->addAction(tr("&Close all"), this, &TableWindow::CloseAll);
    pMenu->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void TableWindow::BuildEditMenu() {
    QMenu* pMenu = menuBar()->addMenu(tr("&Edit"));
    m_pUndo = pMenu->addAction(tr("&Undo"), QKeySequence::Undo, &m_undo, &QUndoStack::undo);
    m_pRedo = pMenu->addAction(tr("&Redo"), QKeySequence::Redo, &m_undo, &QUndoStack::redo);
    auto sync = [this] {
        m_pUndo->setEnabled(m_undo.canUndo() && !m_bSaving);
        m_pRedo->setEnabled(m_undo.canRedo() && !m_bSaving);
    };
    connect(&m_undo, &QUndoStack::indexChanged, this, sync);
    connect(&m_undo, &QUndoStack::cleanChanged, this, sync);
    sync();
    pMenu->addSeparator();
    QAction* pFill = pMenu->addAction(tr("Fill &down"), QKeySequence(tr("Ctrl+D")), this,
                                      &TableWindow::FillDownSelection);
    QAction* pFillWith = pMenu->addAction(tr("Fill &selection..."), QKeySequence(tr("Ctrl+E")),
                                          this, &TableWindow::FillSelection);
    pMenu->addAction(tr("Values from file &names..."), this, &TableWindow::FillFromName);
    pMenu->addAction(tr("Origination date and time from file &times"), this,
                     &TableWindow::DatesFromFileTimes);
    QAction* pOpen = new QAction(tr("Open in Ovalis"), this);
    pOpen->setShortcut(QKeySequence(tr("Ctrl+Return")));
    connect(pOpen, &QAction::triggered, this, &TableWindow::OpenInViewer);
    pMenu->addSeparator();
    pMenu->addAction(pOpen);
    m_pView->addActions({pFill, pFillWith, pOpen});
}

void TableWindow::BuildToolsMenu() {
    QMenu* pMenu = menuBar()->addMenu(tr("&Tools"));
    pMenu->addAction(tr("&Check selected files"), this,
                     [this] { m_checker.Check(SelectedRows()); });
    pMenu->addAction(tr("Check &all files"), this, [this] { m_checker.Check(AllRows()); });
    pMenu->addAction(tr("&Stop"), QKeySequence(Qt::Key_Escape), this, [this] {
        m_loader.Cancel();
        m_checker.Cancel();
        m_saver.Cancel();
    });
}

void TableWindow::RestoreSettings() {
    QSettings settings = Settings();
    restoreGeometry(settings.value("geometry").toByteArray());
    const QByteArray columns = settings.value("columns").toByteArray();
    if (!columns.isEmpty()) {
        m_pView->horizontalHeader()->restoreState(columns);
    }
}

void TableWindow::SaveSettings() const {
    QSettings settings = Settings();
    settings.setValue("geometry", saveGeometry());
    settings.setValue("columns", m_pView->horizontalHeader()->saveState());
}

void TableWindow::Open(const QStringList& paths) {
    m_loader.Load(paths);
}

void TableWindow::OpenFilesDialog() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open files"), QString(),
        tr("Sound files (*.wav *.WAV *.bwf *.BWF *.rf64 *.RF64 *.bw64 *.BW64);;All files (*)"));
    if (!files.isEmpty()) {
        Open(files);
    }
}

void TableWindow::OpenFolderDialog() {
    const QString strFolder = QFileDialog::getExistingDirectory(this, tr("Open folder"));
    if (!strFolder.isEmpty()) {
        Open({strFolder});
    }
}

void TableWindow::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (pEvent->mimeData()->hasUrls()) {
        pEvent->acceptProposedAction();
    }
}

void TableWindow::dropEvent(QDropEvent* pEvent) {
    QStringList paths;
    for (const QUrl& url : pEvent->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    Open(paths);
    pEvent->acceptProposedAction();
}

bool TableWindow::MayDropEdits(const QString& strAction) {
    if (!m_model.HasEdits()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, tr("Unsaved edits"),
        tr("Some files have edits that are not saved. Save them before you %1?").arg(strAction),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        SaveAll();
        return false;
    }
    return answer == QMessageBox::Discard;
}

void TableWindow::closeEvent(QCloseEvent* pEvent) {
    if (m_bSaving || !MayDropEdits(tr("quit"))) {
        statusBar()->showMessage(m_bSaving ? tr("Wait for the save to end") : QString());
        pEvent->ignore();
        return;
    }
    SaveSettings();
    pEvent->accept();
}

std::vector<int> TableWindow::AllRows() const {
    std::vector<int> rows;
    for (int nRow = 0; nRow < m_filter.rowCount(); ++nRow) {
        rows.push_back(m_filter.mapToSource(m_filter.index(nRow, 0)).row());
    }
    return rows;
}

std::vector<int> TableWindow::SelectedRows() const {
    std::set<int> shown;
    for (const QModelIndex& index : m_pView->selectionModel()->selectedIndexes()) {
        shown.insert(index.row());
    }
    std::vector<int> rows;
    for (const int nRow : shown) {
        rows.push_back(m_filter.mapToSource(m_filter.index(nRow, 0)).row());
    }
    return rows;
}

std::vector<CString> TableWindow::SelectedValueNames() const {
    std::set<int> columns;
    for (const QModelIndex& index : m_pView->selectionModel()->selectedIndexes()) {
        columns.insert(index.column());
    }
    std::vector<CString> names;
    for (const int nColumn : columns) {
        const TableColumn& column = TableColumns()[static_cast<std::size_t>(nColumn)];
        if (column.kind == ColumnKind::Value) {
            names.push_back(column.strName);
        }
    }
    return names;
}

void TableWindow::ShowProgress(const QString& strWork, int nDone, int nTotal) {
    m_pProgress->setFormat(strWork + QStringLiteral(" %v/%m"));
    m_pProgress->setRange(0, nTotal);
    m_pProgress->setValue(nDone);
    m_pProgress->setVisible(nDone < nTotal);
}

void TableWindow::SetSaving(bool bSaving) {
    m_bSaving = bSaving;
    m_pUndo->setEnabled(m_undo.canUndo() && !bSaving);
    m_pRedo->setEnabled(m_undo.canRedo() && !bSaving);
}

void TableWindow::ApplyEdits(const std::vector<CellChange>& changes, const QString& strStep) {
    const int nRefused = m_model.Edit(changes, strStep);
    if (nRefused > 0) {
        statusBar()->showMessage(tr("%1 of %2 values refused; the cells marked red say why")
                                     .arg(nRefused)
                                     .arg(changes.size()));
    }
}

void TableWindow::FillDownSelection() {
    ApplyEdits(FillDown(m_model, SelectedRows(), SelectedValueNames()), tr("Fill down"));
}

void TableWindow::FillSelection() {
    bool bOk = false;
    const QString strValue =
        QInputDialog::getText(this, tr("Fill selection"), tr("Value for every selected cell:"),
                              QLineEdit::Normal, QString(), &bOk);
    if (bOk) {
        ApplyEdits(FillWith(SelectedRows(), SelectedValueNames(), strValue.toStdString()),
                   tr("Fill selection"));
    }
}

void TableWindow::FillFromName() {
    bool bOk = false;
    const QString strPattern = QInputDialog::getText(
        this, tr("Values from file names"),
        tr("Regular expression with named groups, as (?<Originator>[^_]+)_(?<IXML:TAKE>\\d+):"),
        QLineEdit::Normal, QString(), &bOk);
    NameFill fill;
    if (!bOk) {
        return;
    }
    if (const QString strProblem = fill.Compile(strPattern); !strProblem.isEmpty()) {
        QMessageBox::warning(this, tr("Values from file names"), strProblem);
        return;
    }
    int nNoMatch = 0;
    const auto changes = fill.Changes(m_model, SelectedRows(), nNoMatch);
    ApplyEdits(changes, tr("Values from file names"));
    if (nNoMatch > 0) {
        statusBar()->showMessage(tr("%1 file names do not match the pattern").arg(nNoMatch));
    }
}

void TableWindow::DatesFromFileTimes() {
    int nUnread = 0;
    ApplyEdits(DatesFromFiles(m_model, SelectedRows(), nUnread), tr("Dates from file times"));
    if (nUnread > 0) {
        statusBar()->showMessage(tr("%1 files' times cannot be read").arg(nUnread));
    }
}

void TableWindow::SaveAll() {
    std::vector<int> rows(static_cast<std::size_t>(m_model.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    SaveRows(rows);
}

void TableWindow::SaveRows(const std::vector<int>& rows) {
    SetSaving(true);
    m_saver.Save(rows);
}

void TableWindow::ReloadAll() {
    if (m_bSaving || m_loader.IsLoading() || !MayDropEdits(tr("reload the files"))) {
        return;
    }
    QStringList paths;
    for (int nRow = 0; nRow < m_model.rowCount(); ++nRow) {
        paths << QString::fromStdString(m_model.File(nRow).strPath);
    }
    m_model.Clear();
    Open(paths);
}

void TableWindow::CloseAll() {
    if (!m_bSaving && MayDropEdits(tr("close the files"))) {
        m_loader.Cancel();
        m_checker.Cancel();
        m_model.Clear();
    }
}

void TableWindow::OpenInViewer() {
    const QModelIndex current = m_filter.mapToSource(m_pView->currentIndex());
    if (!current.isValid()) {
        return;
    }
    const QString strViewer = QCoreApplication::applicationDirPath() + QStringLiteral("/ovalis");
    const QString strPath = QString::fromStdString(m_model.File(current.row()).strPath);
    if (!QProcess::startDetached(strViewer, {strPath})) {
        statusBar()->showMessage(tr("%1 could not be started").arg(strViewer));
    }
}

void TableWindow::ExportTable(bool bJson) {
    const QString strPath = QFileDialog::getSaveFileName(
        this, bJson ? tr("Export JSON") : tr("Export CSV"), QString(),
        bJson ? tr("JSON documents (*.json)") : tr("CSV tables (*.csv)"));
    if (strPath.isEmpty()) {
        return;
    }
    const CString strText = bJson ? TableJson(m_model, AllRows()) : TableCsv(m_model, AllRows());
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(strText.data(), static_cast<qint64>(strText.size())) !=
            static_cast<qint64>(strText.size()) ||
        !file.flush()) {
        QMessageBox::warning(this, tr("Export"),
                             tr("%1 cannot be written: %2").arg(strPath, file.errorString()));
    }
}

void TableWindow::ImportTable() {
    const QString strPath = QFileDialog::getOpenFileName(
        this, tr("Import"), QString(), tr("CSV tables or JSON documents (*.csv *.json)"));
    QFile file(strPath);
    if (strPath.isEmpty()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Import"),
                             tr("%1 cannot be read: %2").arg(strPath, file.errorString()));
        return;
    }
    const ImportedEdits edits = ImportedEditsOf(m_model, file.readAll().toStdString());
    if (!edits.strError.empty()) {
        QMessageBox::warning(this, tr("Import"),
                             strPath + ": " + QString::fromStdString(edits.strError));
        return;
    }
    ApplyEdits(edits.changes, tr("Import"));
    if (edits.nUnlisted > 0) {
        statusBar()->showMessage(
            tr("%1 files of the document are not in the table").arg(edits.nUnlisted));
    }
}
