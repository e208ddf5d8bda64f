#include "cli/InfoCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <iostream>

#include "cli/Batch.h"
#include "cli/InfoJson.h"
#include "cli/InfoText.h"
#include "cli/LoadedFile.h"

namespace {

// One file's listing, or its JSON object in compact form.
FileOutcome InfoOf(const CString& strPath, bool bJson) {
    CLoadedFile file(strPath);
    const FileReport report = ReportOf(file);
    if (!bJson) {
        return {InfoText(report), file.Failure()};
    }
    const QJsonDocument document(InfoJson(report));
    return {document.toJson(QJsonDocument::Compact).toStdString(), file.Failure()};
}

}  // namespace

int RunInfo(const Invocation& invocation) {
    const bool bJson = invocation.bJson;
    QJsonArray files;
    bool bFirst = true;
    const int nExit = RunBatch(
        invocation.files, [bJson](const CString& strPath) { return InfoOf(strPath, bJson); },
        [&](const CString& strOut) {
            if (bJson) {
                files.append(QJsonDocument::fromJson(QByteArray::fromStdString(strOut)).object());
            } else {
                std::cout << (bFirst ? "" : "\n") << strOut;
            }
            bFirst = false;
        });
    if (bJson) {
        const QJsonDocument document(QJsonObject{{"files", files}});
        std::cout << document.toJson(QJsonDocument::Indented).toStdString();
    }
    std::cout << std::flush;
    return nExit;
}
