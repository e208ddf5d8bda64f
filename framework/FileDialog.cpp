#include "framework/FileDialog.h"

#include <QApplication>
#include <QFileDialog>

#include "framework/DialogTemplate.h"
#include "framework/Wnd.h"

namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

// "*.wav" becomes "*.[wW][aA][vV]": the dialog compares names in the file system's letter case.
QString AnyCasePattern(const QString& pattern) {
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

bool HasWildcard(const CString& strText) {
    return strText.find_first_of("*?;") != CString::npos;
}

std::optional<CString> RunToolkitDialog(const FileDialogRequest& request, CWnd* pParentWnd) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return std::nullopt;
    }
    QWidget* pParent = pParentWnd ? pParentWnd->GetSafeHwnd() : QApplication::activeWindow();
    QFileDialog dialog(pParent, QString::fromStdString(request.strTitle));
    dialog.setAcceptMode(request.bOpenFileDialog ? QFileDialog::AcceptOpen
                                                 : QFileDialog::AcceptSave);
    dialog.setFileMode(request.bOpenFileDialog ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.dwFlags & OFN_OVERWRITEPROMPT));
    if (const QStringList filters = NameFiltersFromFilterText(request.strFilter);
        !filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    // A pattern in the name or extension field is a filter, not a name to propose.
    if (!request.strDefExt.empty() && !HasWildcard(request.strDefExt)) {
        dialog.setDefaultSuffix(QString::fromStdString(request.strDefExt));
    }
    if (!request.strFileName.empty() && !HasWildcard(request.strFileName)) {
        dialog.selectFile(QString::fromStdString(request.strFileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    m_ofn.bOpenFileDialog = bOpenFileDialog;
    m_ofn.strDefExt = lpszDefExt ? lpszDefExt : "";
    m_ofn.strFileName = lpszFileName ? lpszFileName : "";
    m_ofn.dwFlags = dwFlags;
    m_ofn.strFilter = lpszFilter ? lpszFilter : "";
}

int CFileDialog::DoModal() {
    const std::optional<CString> chosen =
        Hook() ? Hook()(m_ofn) : RunToolkitDialog(m_ofn, m_pParentWnd);
    if (!chosen || chosen->empty()) {
        return IDCANCEL;
    }
    m_strPathName = *chosen;
    return IDOK;
}

QStringList NameFiltersFromFilterText(const CString& strFilter) {
    const QStringList parts = QString::fromStdString(strFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'))) {
            if (const QString trimmed = pattern.trimmed(); !trimmed.isEmpty()) {
                patterns += AnyCasePattern(trimmed);
            }
        }
        filters +=
            parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}
