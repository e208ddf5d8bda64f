#include "table/ExportPath.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString WithExtension(const QString& strPath, const QString& strExtension) {
    return QFileInfo(strPath).suffix().compare(strExtension, Qt::CaseInsensitive) == 0
               ? strPath
               : strPath + '.' + strExtension;
}

QString AskExportPath(QWidget* pParent, bool bJson, const QString& strSuggested) {
    const QString strExtension = bJson ? QStringLiteral("json") : QStringLiteral("csv");
    const QString strChosen = QFileDialog::getSaveFileName(
        pParent, bJson ? QObject::tr("Export JSON") : QObject::tr("Export CSV"),
        WithExtension(strSuggested, strExtension),
        bJson ? QObject::tr("JSON documents (*.json)") : QObject::tr("CSV tables (*.csv)"));
    if (strChosen.isEmpty()) {
        return strChosen;
    }
    const QString strPath = WithExtension(strChosen, strExtension);
    // The dialog asked about the name chosen, not about the one the extension makes.
    if (strPath != strChosen && QFileInfo::exists(strPath) &&
        QMessageBox::question(pParent, QObject::tr("Export"),
                              QObject::tr("%1 already exists. Replace it?").arg(strPath)) !=
            QMessageBox::Yes) {
        return QString();
    }
    return strPath;
}
