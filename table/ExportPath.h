#pragma once
// Where an export goes: a save dialog that offers a name, and the extension added when the name
// typed lacks it.

#include <QString>

class QWidget;

// strPath with ".csv" or ".json" (strExtension, without the dot) added unless it ends so already.
QString WithExtension(const QString& strPath, const QString& strExtension);
// Asks where to write the document, offering strSuggested; empty when the user cancels or
// declines to replace a file only the extension added names.
QString AskExportPath(QWidget* pParent, bool bJson, const QString& strSuggested);
