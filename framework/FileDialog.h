#pragma once
// The open-file and save-file dialogs. Tests redirect both to a hook so that no test blocks on a
// modal window; the hook sees what the dialog would have been asked and answers with a path.

#include <QStringList>
#include <functional>
#include <optional>

#include "core/base/Types.h"

class CWnd;

constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

struct FileDialogRequest {
    BOOL bOpenFileDialog = TRUE;
    CString strTitle;  // empty: the toolkit's own title
    CString strDefExt;
    CString strFileName;
    CString strFilter;  // "description|patterns|...||", patterns separated by semicolons
    DWORD dwFlags = 0;
};

// The chosen full path, or nothing when the dialog is cancelled.
using FileDialogHook = std::function<std::optional<CString>(const FileDialogRequest& request)>;
// Replaces the dialogs with hook (an empty hook restores them); returns the previous hook.
FileDialogHook SetFileDialogHook(FileDialogHook hook);

class CFileDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr,
                         const char* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    // IDOK with a path chosen, IDCANCEL otherwise.
    int DoModal();
    CString GetPathName() const { return m_strPathName; }

    FileDialogRequest m_ofn;

private:
    CWnd* m_pParentWnd;
    CString m_strPathName;
};

// The toolkit's name filters for a filter text: one per "description|patterns" pair, each
// pattern matching names in any letter case.
QStringList NameFiltersFromFilterText(const CString& strFilter);
