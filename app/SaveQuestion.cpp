#include "app/SaveQuestion.h"

#include "core/chunks/RiffChunkModel.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"
#include "pages/ChunkPage.h"
#include "pages/PagedChunk.h"

std::vector<CString> TypedValueProblemsOf(CRiffChunkModel& root) {
    std::vector<CString> problems;
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        // A page never made holds nothing typed.
        CChunkPage* pPage = MadePageOf(pChunk);
        if (!pPage || !pPage->HasInitialised()) {
            continue;
        }
        for (CString& strProblem : TypedValueProblems(*pChunk, pPage->TypedValues())) {
            problems.push_back(std::move(strProblem));
        }
    }
    return problems;
}

CString SaveAsTypedQuestion(const std::vector<CString>& problems) {
    CString strQuestion =
        "A save would store values that the rules refuse or cut, or that disagree:\n";
    for (const CString& strProblem : problems) {
        strQuestion += "\n- " + strProblem;
    }
    return strQuestion +
           "\n\nSave as typed stores them as they stand on the pages; Go back leaves the file "
           "unsaved, to correct them.";
}

bool ConfirmSaveAsTyped(CRiffChunkModel& root) {
    const std::vector<CString> problems = TypedValueProblemsOf(root);
    return problems.empty() ||
           AfxMessageBox(SaveAsTypedQuestion(problems), MB_SAVEASTYPED | MB_ICONQUESTION) == IDOK;
}
