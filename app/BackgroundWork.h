#pragma once
// Long work on a file runs on a thread of its own while the window stays responsive behind a
// progress dialog whose Cancel asks the work to stop. The work is handed copies of what it
// needs, never the chunk tree, which stays with the user-interface thread.

#include <functional>

#include <QString>

#include "core/integrity/WorkProgress.h"

class QWidget;

// Runs work, showing its progress under strLabel. FALSE when the user cancelled.
bool RunWithProgress(QWidget* pParent, const QString& strLabel,
                     const std::function<void(const WorkProgress& progress)>& work);
