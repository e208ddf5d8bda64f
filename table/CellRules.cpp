#include "table/CellRules.h"

#include "core/details/AudioFacts.h"
#include "core/edit/DerivedValues.h"
#include "core/edit/ValueRule.h"

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
    const std::vector<CString> before = DerivedDisagreements(root);
    const ValueAnswer answer = SetValue(root, strName, strValue, TableEditRules());
    if (answer.verdict == ValueVerdict::Refused) {
        return {answer.reason, CString()};
    }
    ValueOutcome outcome{CString(), answer.verdict == ValueVerdict::Cut ? answer.reason : ""};
    for (const CString& strLeft : DisagreementsLeft(before, DerivedDisagreements(root))) {
        outcome.note += (outcome.note.empty() ? "" : "; ") + strLeft;
    }
    return outcome;
}
