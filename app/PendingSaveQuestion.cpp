#include "app/PendingSaveQuestion.h"

#include "core/io/InterruptedSave.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"

void OfferToFinishInterruptedSave(const CString& strPath) {
    const JournalFinding finding = InspectJournal(strPath);
    // A journal that is not applied is shown in the file's note, and left for the user.
    if (finding.state == JournalState::None || finding.state == JournalState::Refused) {
        return;
    }
    const CString strQuestion =
        "A save of " + strPath + " was interrupted; its journal " + finding.strJournal +
        " is pending.\n\nOK finishes that save (the file becomes whole again, as before it or "
        "as it left it) and opens the file.\nCancel opens the file as it is now, without "
        "changing it; it cannot be saved until the interrupted save is finished.";
    if (AfxMessageBox(strQuestion, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        return;
    }
    if (const Recovery recovery = RecoverInterruptedSave(strPath); !recovery.bDone) {
        AfxMessageBox("Couldn't finish the interrupted save of " + strPath + ": " +
                      recovery.strText + ".");
    }
}
