#include "app/FileTrust.h"

#include "app/BackgroundWork.h"
#include "app/CheckDialog.h"
#include "app/WriteQuestions.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/BextLoudness.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"

namespace {

constexpr const char* kAsSavedNote =
    "This checks the file as saved: the edits not yet saved are not in it. Ctrl+S saves them.";

bool Confirmed(const CString& strQuestion) {
    return AfxMessageBox(strQuestion, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

QString Named(const char* pszWhat, const CString& strPath) {
    return QString(pszWhat) + " " + QString::fromStdString(strPath) + "...";
}

void Embed(CRiffChunkModel& root, const ChecksumResult& checksum,
           const std::function<void()>& save) {
    const CString strPath = SampleSourceOf(root).strPath;
    if (!Confirmed(ChecksumQuestion(strPath, *checksum.digest, ChecksumChunkOf(root) != nullptr))) {
        return;
    }
    if (const CString strRefused = EmbedChecksum(root, *checksum.digest); !strRefused.empty()) {
        AfxMessageBox("Couldn't embed the checksum: " + strRefused + ".");
        return;
    }
    save();
}

void WriteMeasuredLoudness(QWidget* pParent, CRiffChunkModel& root,
                           const std::function<void()>& save) {
    CChunk* pBext = BextChunkOf(root);
    if (!pBext) {
        AfxMessageBox("The file has no bext chunk to hold its loudness; nothing was written.");
        return;
    }
    const SampleSource source = SampleSourceOf(root);
    LoudnessResult result;
    if (!RunWithProgress(
            pParent, Named("Measuring the loudness of", source.strPath),
            [&](const WorkProgress& progress) { result = MeasureLoudness(source, progress); })) {
        return;
    }
    if (!result.values) {
        AfxMessageBox("Couldn't measure the loudness: " + result.strFailure + ".");
        return;
    }
    if (!Confirmed(LoudnessQuestion(source.strPath, *pBext, *result.values))) {
        return;
    }
    if (const CString strRefused = WriteLoudness(*pBext, *result.values); !strRefused.empty()) {
        AfxMessageBox("Couldn't write the loudness: " + strRefused + ".");
        return;
    }
    save();
}

}  // namespace

void CheckInWindow(QWidget* pParent, CRiffChunkModel& root, const std::function<void()>& save,
                   bool bEditsPending) {
    const SampleSource source = SampleSourceOf(root);
    CheckOptions options;
    for (;;) {
        CheckReport report;
        ChecksumResult checksum;
        if (!RunWithProgress(pParent, Named("Checking", source.strPath),
                             [&](const WorkProgress& progress) {
                                 report = CheckFile(source.strPath, progress, options);
                                 checksum = SampleChecksum(source, progress);
                             })) {
            return;
        }
        CCheckDialog dialog(pParent, source.strPath, report, checksum, StoredChecksum(root),
                            options.profile);
        if (bEditsPending) {
            dialog.ShowNote(kAsSavedNote);
        }
        dialog.exec();
        switch (dialog.Chosen()) {
            case CCheckDialog::Choice::EmbedChecksum:
                Embed(root, checksum, save);
                return;
            case CCheckDialog::Choice::WriteLoudness:
                WriteMeasuredLoudness(pParent, root, save);
                return;
            case CCheckDialog::Choice::Recheck:
                options.profile = dialog.Profile();
                break;
            case CCheckDialog::Choice::Close:
                return;
        }
    }
}
