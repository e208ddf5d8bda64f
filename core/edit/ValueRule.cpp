#include "core/edit/ValueRule.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "core/edit/DateText.h"
#include "core/fields/Hundredths.h"
#include "core/fields/PositiveInteger.h"

namespace {

ValueAnswer Refused(const CString& strReason) {
    return {ValueVerdict::Refused, strReason};
}

// The digits of a number as typed, without the blanks, sign and leading zeros the number rule
// allows; only the characters that rule reads count.
CString TypedDigits(const CString& strTyped) {
    const CString strRead = strTyped.substr(0, 31);
    const std::size_t nFirst = strRead.find_first_not_of(" \t+0");
    const std::size_t nEnd = strRead.find_last_not_of(" \t");
    return nFirst == CString::npos || nFirst > nEnd ? CString("0")
                                                    : strRead.substr(nFirst, nEnd - nFirst + 1);
}

ValueAnswer NumberAnswer(const FieldLayout& field, const CString& strTyped) {
    const std::optional<DWORD> value = ParsePositiveInteger(strTyped);
    if (!value) {
        return Refused(field.name + CString("=") + strTyped + ": " + kNumberRuleMessage);
    }
    const std::uint64_t mask = field.width >= 4 ? 0xFFFFFFFF : (1u << (8 * field.width)) - 1;
    const CString strStored = FormatPositiveInteger(static_cast<DWORD>(*value & mask));
    if (strStored == TypedDigits(strTyped)) {
        return {};
    }
    return {ValueVerdict::Cut, field.name + CString(": ") + TypedDigits(strTyped) +
                                   " is more than its " + std::to_string(field.width) +
                                   " bytes hold, so " + strStored + " is stored"};
}

// The form a date or time field's text must have; what of a longer text the field keeps is
// checked, the cut is told on its own.
CString FormProblem(const FieldLayout& field, const CString& strTyped) {
    if (strTyped.empty()) {
        return CString();
    }
    if (field.kind == FieldKind::Date && !IsCalendarDate(strTyped.substr(0, 10))) {
        return "not a calendar date (yyyy-mm-dd)";
    }
    if (field.kind == FieldKind::Time && !IsClockTime(strTyped.substr(0, 8))) {
        return "not a clock time (hh:mm:ss)";
    }
    return CString();
}

ValueAnswer Strictly(ValueAnswer answer, const EditRules& rules) {
    if (answer.verdict == ValueVerdict::Cut && rules.bStrict) {
        return Refused(answer.reason + " (--strict)");
    }
    return answer;
}

ValueAnswer FieldValueAnswer(CRiffChunkModel& root, const CString& strName, const CString& strText,
                             const EditRules& rules, const BeforeFieldStore& before) {
    std::vector<CString> cuts;
    const CString strProblem = StoreFieldValue(root, strName, strText, rules, cuts, before);
    if (!strProblem.empty()) {
        return Refused(strProblem);
    }
    CString strCuts;
    for (const CString& strCut : cuts) {
        strCuts += (strCuts.empty() ? "" : "; ") + strCut;
    }
    return strCuts.empty() ? ValueAnswer() : ValueAnswer{ValueVerdict::Cut, strCuts};
}

}  // namespace

ValueAnswer FieldRuleAnswer(const CChunk& chunk, const FieldLayout& field,
                            const CString& strTyped) {
    if (!field.stored || ReadFieldText(chunk, field) == strTyped) {
        return {};
    }
    if (IsNumeric(field)) {
        return NumberAnswer(field, strTyped);
    }
    if (field.kind == FieldKind::Hundredths && !ParseHundredths(strTyped)) {
        return Refused(field.name + CString("=") + strTyped + ": " + kHundredthsRuleMessage);
    }
    if (const CString strProblem = FormProblem(field, strTyped); !strProblem.empty()) {
        return Refused(field.name + CString("=") + strTyped + ": " + strProblem);
    }
    if (const CString strCut = TextOverflow(chunk, field, strTyped); !strCut.empty()) {
        return {ValueVerdict::Cut, strCut};
    }
    return {};
}

ValueAnswer SetValue(CRiffChunkModel& root, const CString& strName, const CString& strText,
                     const EditRules& rules, const BeforeFieldStore& before) {
    if (!IsMetadataName(strName)) {
        return FieldValueAnswer(root, strName, strText, rules, before);
    }
    const ValueOutcome outcome = SetMetadataValue(root, strName, strText, rules);
    if (!outcome.problem.empty()) {
        return Refused(outcome.problem);
    }
    return Strictly({outcome.note.empty() ? ValueVerdict::Stored : ValueVerdict::Cut, outcome.note},
                    rules);
}
