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
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <filesystem>
#include <numeric>
#include <set>

#include "table/ExportPath.h"
#include "table/FillRules.h"
#include "table/NameFillDialog.h"
#include "table/TableColumns.h"
#include "table/TableExchange.h"
#include "table/TableHelp.h"

namespace {

QSettings Settings() {
    return QSettings(QStringLiteral("Ovalis"), QStringLiteral("ovalis-table"));
}

// In characters, until the user sets it.
int FirstWidth(const TableColumn& column) {
    switch (column.kind) {
        case ColumnKind::Name:
            return 44;
        case ColumnKind::Folder:
            return 24;
        case ColumnKind::Form:
            return 7;
        case ColumnKind::Format:
            return 48;
        case ColumnKind::Duration:
            return 15;
        case ColumnKind::Result:
            return 40;
        case ColumnKind::Value:
            return column.strName == "Description" || column.strName == "CodingHistory" ? 40 : 20;
        default:
            return 20;
    }
}

QString FilesText(int nFiles) {
    return nFiles == 1 ? QObject::tr("1 file") : QObject::tr("%1 files").arg(nFiles);
}

QString FileName(const CString& strPath) {
    return QString::fromStdString(std::filesystem::path(strPath).filename().string());
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
    // One line a row: a wrapped name would be cut at its break, hiding the end that tells
    // takes apart.
    m_pView->setWordWrap(false);
    m_pView->setTextElideMode(Qt::ElideMiddle);
    // Batches arrive from several workers in any order; the folder column sorts by path, which
    // keeps a folder together.
    m_pView->sortByColumn(ColumnIndexOf("Folder"), Qt::AscendingOrder);
    m_pView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_pView->verticalHeader()->setDefaultSectionSize(m_pView->fontMetrics().height() + 6);
    m_pView->setContextMenuPolicy(Qt::ActionsContextMenu);
    setCentralWidget(m_pView);
    m_pProgress->setMaximumWidth(240);
    m_pProgress->hide();
    m_pCount->setObjectName(QStringLiteral("fileCount"));
    statusBar()->addPermanentWidget(m_pCount);
    statusBar()->addPermanentWidget(m_pProgress);
    BuildHeader();
    BuildFilterBar();
    BuildMenus();
    // Within the screen at any scale, so that the status bar's count stays in sight; a size
    // remembered replaces it.
    const QSize available = screen()->availableGeometry().size() * 9 / 10;
    resize(std::min(1200, available.width()), std::min(700, available.height()));
    RestoreSettings();

    connect(&m_loader, &FileLoader::Loaded, this,
            [this](const std::shared_ptr<LoadedBatch>& p) { m_model.AddFiles(std::move(*p)); });
    connect(&m_loader, &FileLoader::Progress, this,
            [this](int nDone, int nTotal) { ShowProgress(tr("Loading"), nDone, nTotal); });
    connect(&m_loader, &FileLoader::Finished, this, [this] {
        m_pProgress->hide();
        WidenToContents();
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
    for (const QAbstractItemModel* pModel : {static_cast<QAbstractItemModel*>(&m_model),
                                             static_cast<QAbstractItemModel*>(&m_filter)}) {
        connect(pModel, &QAbstractItemModel::rowsInserted, this, &TableWindow::ShowCounts);
        connect(pModel, &QAbstractItemModel::rowsRemoved, this, &TableWindow::ShowCounts);
        connect(pModel, &QAbstractItemModel::modelReset, this, &TableWindow::ShowCounts);
        connect(pModel, &QAbstractItemModel::layoutChanged, this, &TableWindow::ShowCounts);
    }
    connect(&m_model, &FileListModel::Noted, this,
            [this](const QString& strWhat) { statusBar()->showMessage(strWhat); });
    connect(m_pView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TableWindow::ShowRowState);
    ShowCounts();
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
    // The last column takes the width left, so that a failed load's reason has room.
    pHeader->setStretchLastSection(true);
    connect(pHeader, &QWidget::customContextMenuRequested, this, &TableWindow::ShowHeaderMenu);
    const auto& columns = TableColumns();
    const int nChar = m_pView->fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int nColumn = static_cast<int>(i);
        // Room for the title and the sort arrow.
        const int nTitle =
            pHeader->fontMetrics().horizontalAdvance(QString::fromStdString(columns[i].strName)) +
            nChar * 5;
        pHeader->setSectionHidden(nColumn, !columns[i].bShownFirst);
        pHeader->resizeSection(nColumn, std::max(nChar * FirstWidth(columns[i]), nTitle));
    }
}

void TableWindow::ShowHeaderMenu(const QPoint& point) {
    QHeaderView* pHeader = m_pView->horizontalHeader();
    QMenu menu(this);
    QMenu* pSubmenu = nullptr;
    const auto& columns = TableColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int nColumn = static_cast<int>(i);
        // The many INFO and iXML columns and a kind's grouped fields go in submenus of their own.
        const CString& strName = columns[i].strName;
        const QString strGroup = strName.rfind("INFO:", 0) == 0   ? tr("INFO")
                                 : strName.rfind("IXML:", 0) == 0 ? tr("iXML")
                                 : columns[i].pGroup ? QString::fromLatin1(columns[i].pGroup)
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
    BuildHelpMenu();
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
    m_pExportCsv = pMenu->addAction(QString(), this, [this] { ExportTable(false); });
    m_pExportJson = pMenu->addAction(QString(), this, [this] { ExportTable(true); });
    pMenu->addSeparator();
    pMenu->addAction(tr("&Reload from disk"), QKeySequence::Refresh, this, &TableWindow::ReloadAll);
    pMenu->addAction(tr("&Close all"), this, &TableWindow::CloseAll);
    pMenu->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void TableWindow::BuildEditMenu() {
    QMenu* pMenu = menuBar()->addMenu(tr("&Edit"));
    m_pUndo = pMenu->addAction(tr("&Undo"), QKeySequence::Undo, this, &TableWindow::Undo);
    m_pRedo = pMenu->addAction(tr("&Redo"), QKeySequence::Redo, this, &TableWindow::Redo);
    connect(&m_undo, &QUndoStack::indexChanged, this, &TableWindow::SyncUndo);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &TableWindow::SyncUndo);
    SyncUndo();
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
    pMenu->addAction(tr("Check &all files"), this, &TableWindow::CheckAll);
    m_pCheckShown = pMenu->addAction(QString(), this, &TableWindow::CheckShown);
    pMenu->addAction(tr("&Stop"), QKeySequence(Qt::Key_Escape), this, [this] {
        m_loader.Cancel();
        m_checker.Cancel();
        m_saver.Cancel();
    });
}

void TableWindow::BuildHelpMenu() {
    QMenu* pMenu = menuBar()->addMenu(tr("&Help"));
    pMenu->addAction(tr("&Keys"), QKeySequence::HelpContents, this, [this] {
        QMessageBox::information(this, tr("Keys of Ovalis Table"), KeysText(*menuBar()));
    });
    pMenu->addAction(tr("&About Ovalis Table"), this, [this] {
        QMessageBox::about(this, tr("About Ovalis Table"), TableAboutText());
    });
}

void TableWindow::WidenToContents() {
    constexpr int kWidest = 64;  // in characters
    QHeaderView& header = *m_pView->horizontalHeader();
    for (const int nColumn : {ColumnIndexOf("File"), ColumnIndexOf("Format")}) {
        const int nWanted =
            std::min(static_cast<QAbstractItemView*>(m_pView)->sizeHintForColumn(nColumn),
                     m_pView->fontMetrics().averageCharWidth() * kWidest);
        if (nWanted > header.sectionSize(nColumn)) {
            header.resizeSection(nColumn, nWanted);
        }
    }
}

void TableWindow::ShowCounts() {
    const int nShown = m_filter.rowCount();
    const int nTotal = m_model.rowCount();
    const bool bHidden = nShown < nTotal;
    m_pCount->setText(bHidden ? tr("%1 of %2 files").arg(nShown).arg(nTotal) : FilesText(nTotal));
    m_pCheckShown->setText(bHidden ? tr("Check the %1 shown").arg(FilesText(nShown))
                                   : tr("Check the files shown"));
    m_pCheckShown->setEnabled(bHidden);
    m_pExportCsv->setText(bHidden ? tr("&Export CSV of the %1 shown...").arg(FilesText(nShown))
                                  : tr("&Export CSV..."));
    m_pExportJson->setText(bHidden ? tr("Export &JSON of the %1 shown...").arg(FilesText(nShown))
                                   : tr("Export &JSON..."));
}

void TableWindow::ShowRowState(const QModelIndex& current) {
    const QModelIndex source = m_filter.mapToSource(current);
    if (!source.isValid()) {
        return;
    }
    const TableFile& file = m_model.File(source.row());
    const QString strWhy = m_model.Refusal(source.row(), source.column());
    if (!strWhy.isEmpty()) {
        statusBar()->showMessage(strWhy);
    } else if (!file.strFailure.empty()) {
        statusBar()->showMessage(
            tr("%1 not loaded: %2")
                .arg(FileName(file.strPath), QString::fromStdString(file.strFailure)));
    }
}

void TableWindow::Undo() {
    const QString strStep = m_undo.undoText();
    if (m_undo.canUndo() && !m_bSaving) {
        m_undo.undo();
        statusBar()->showMessage(tr("Undone: %1").arg(strStep));
    }
}

void TableWindow::Redo() {
    const QString strStep = m_undo.redoText();
    if (m_undo.canRedo() && !m_bSaving) {
        m_undo.redo();
        statusBar()->showMessage(tr("Redone: %1").arg(strStep));
    }
}

void TableWindow::SyncUndo() {
    m_pUndo->setEnabled(m_undo.canUndo() && !m_bSaving);
    m_pRedo->setEnabled(m_undo.canRedo() && !m_bSaving);
    m_pUndo->setText(m_undo.canUndo() ? tr("&Undo %1").arg(m_undo.undoText()) : tr("&Undo"));
    m_pRedo->setText(m_undo.canRedo() ? tr("&Redo %1").arg(m_undo.redoText()) : tr("&Redo"));
}

void TableWindow::RestoreSettings() {
    QSettings settings = Settings();
    restoreGeometry(settings.value("geometry").toByteArray());
    const QByteArray columns = settings.value("columns").toByteArray();
    // A layout saved for other columns would put its widths and places on the wrong ones.
    const bool bSameColumns = settings.value("columnCount").toInt() == m_model.columnCount();
    if (!columns.isEmpty() && bSameColumns) {
        m_pView->horizontalHeader()->restoreState(columns);
    }
}

void TableWindow::SaveSettings() const {
    QSettings settings = Settings();
    settings.setValue("geometry", saveGeometry());
    settings.setValue("columns", m_pView->horizontalHeader()->saveState());
    settings.setValue("columnCount", m_model.columnCount());
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
    std::vector<int> rows(static_cast<std::size_t>(m_model.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

std::vector<int> TableWindow::ShownRows() const {
    std::vector<int> rows;
    for (int nRow = 0; nRow < m_filter.rowCount(); ++nRow) {
        rows.push_back(m_filter.mapToSource(m_filter.index(nRow, 0)).row());
    }
    return rows;
}

QString TableWindow::HiddenNote() const {
    const int nHidden = m_model.rowCount() - m_filter.rowCount();
    return nHidden > 0 ? tr(" (%1 hidden by the filter)").arg(nHidden) : QString();
}

std::vector<int> TableWindow::RowsToFill(QString& rWhich) const {
    std::vector<int> rows = SelectedRows();
    if (!rows.empty()) {
        rWhich = tr("the %1 selected").arg(FilesText(static_cast<int>(rows.size())));
        return rows;
    }
    rows = ShownRows();
    rWhich = tr("the %1 shown").arg(FilesText(static_cast<int>(rows.size()))) + HiddenNote();
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
    SyncUndo();
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
    QString strWhich;
    const std::vector<int> rows = RowsToFill(strWhich);
    QStringList names;
    for (const int nRow : rows) {
        names << FileName(m_model.File(nRow).strPath);
    }
    NameFillDialog dialog(names, strWhich, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    int nNoMatch = 0;
    ApplyEdits(dialog.Fill().Changes(m_model, rows, nNoMatch), tr("Values from file names"));
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
    SaveRows(AllRows());
}

void TableWindow::CheckAll() {
    statusBar()->showMessage(tr("Checking all %1").arg(FilesText(m_model.rowCount())));
    m_checker.Check(AllRows());
}

void TableWindow::CheckShown() {
    const std::vector<int> rows = ShownRows();
    statusBar()->showMessage(
        tr("Checking the %1 shown").arg(FilesText(static_cast<int>(rows.size()))) + HiddenNote());
    m_checker.Check(rows);
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
    // Beside the files, named for their folder.
    const std::vector<int> rows = ShownRows();
    const std::filesystem::path folder =
        rows.empty() ? std::filesystem::path()
                     : std::filesystem::path(m_model.File(rows.front()).strPath).parent_path();
    const QString strPath =
        AskExportPath(this, bJson, QString::fromStdString((folder / folder.filename()).string()));
    if (!strPath.isEmpty()) {
        ExportTo(strPath, bJson);
    }
}

void TableWindow::ExportTo(const QString& strPath, bool bJson) {
    const std::vector<int> rows = ShownRows();
    const CString strText = bJson ? TableJson(m_model, rows) : TableCsv(m_model, rows);
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(strText.data(), static_cast<qint64>(strText.size())) !=
            static_cast<qint64>(strText.size()) ||
        !file.flush()) {
        QMessageBox::warning(this, tr("Export"),
                             tr("%1 cannot be written: %2").arg(strPath, file.errorString()));
        return;
    }
    const QString strFiles = FilesText(static_cast<int>(rows.size()));
    statusBar()->showMessage(HiddenNote().isEmpty()
                                 ? tr("%1 exported to %2").arg(strFiles, strPath)
                                 : tr("The %1 shown exported to %2").arg(strFiles, strPath) +
                                       HiddenNote());
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
