#include "table/CellRules.h"

#include "core/details/AudioFacts.h"
#include "core/edit/StoredFieldEdit.h"

std::map<CString, CString> ShownValues(const CRiffChunkModel& root) {
    std::map<CString, CString> values;
    for (auto& [strName, strValue] : EditableValuesOf(root)) {
        values[strName] = strValue;
    }
    const AudioFacts facts = AudioFactsOf(root);
    if (facts.timeReference && facts.dwSampleRate > 0) {
        values["TimeReference"] =
            TimecodeText(*facts.timeReference, facts.dwSampleRate, facts.Rate());
    }
    return values;
}

EditRules TableEditRules() {
    return {.bAdd = true};
}

ValueOutcome SetCellValue(CRiffChunkModel& root, const CString& strName, const CString& strValue) {
    if (IsMetadataName(strName)) {
        return SetMetadataValue(root, strName, strValue, TableEditRules());
    }
    std::vector<CString> notes;
    ValueOutcome outcome{StoreFieldValue(root, strName, strValue, TableEditRules(), notes), {}};
    for (const CString& strNote : notes) {
        outcome.note += (outcome.note.empty() ? "" : "; ") + strNote;
    }
    return outcome;
}
