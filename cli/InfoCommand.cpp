#include "cli/InfoCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <iostream>

#include "cli/Diagnostics.h"
#include "cli/InfoJson.h"
#include "cli/InfoText.h"
#include "cli/LoadedFile.h"
#include "cli/Progress.h"

int RunInfo(const Invocation& invocation) {
    int nExit = kExitDone;
    QJsonArray files;
    {
        CProgress progress = StandardErrorProgress(invocation.files.size());
        for (const CString& strPath : invocation.files) {
            CLoadedFile file(strPath);
            const FileReport report = ReportOf(file);
            if (!file.IsLoaded()) {
                ReportFileFailure(strPath, file.Failure());
                nExit = kExitSomeFailed;
            }
            if (invocation.bJson) {
                files.append(InfoJson(report));
            } else {
                std::cout << (&strPath == &invocation.files.front() ? "" : "\n")
                          << InfoText(report);
            }
            progress.Step();
        }
    }
    if (invocation.bJson) {
        const QJsonDocument document(QJsonObject{{"files", files}});
        std::cout << document.toJson(QJsonDocument::Indented).toStdString();
    }
    std::cout << std::flush;
    return nExit;
}
