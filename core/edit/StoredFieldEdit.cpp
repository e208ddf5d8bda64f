#include "core/edit/StoredFieldEdit.h"

#include "core/chunks/ChunkFieldCodec.h"
#include "core/edit/ValueRule.h"
#include "core/fields/BextFields.h"

namespace {

// "PCM 'fmt '" for the table titled "fmt (PCM)", "'bext'" for "bext".
CString ChunkKindOf(const FieldTable& table) {
    const CString strTitle = table.title;
    const CString strChunk = CString("'") + table.chunkId + "'";
    const std::size_t nOpen = strTitle.find('(');
    if (nOpen == CString::npos || strTitle.back() != ')') {
        return strChunk;
    }
    return strTitle.substr(nOpen + 1, strTitle.size() - nOpen - 2) + " " + strChunk;
}

// "no PCM 'fmt ' or MPEG 'fmt ' chunk for nChannels".
CString NoChunkFor(const CString& strName) {
    CString strKinds;
    for (const FieldTable* pTable : FieldTables()) {
        if (pTable->Find(strName)) {
            strKinds += (strKinds.empty() ? "" : " or ") + ChunkKindOf(*pTable);
        }
    }
    return "no " + strKinds + " chunk for " + strName;
}

CString TooShortFor(const CChunk& chunk, std::size_t nChunk, const CString& strName) {
    return "the " + chunk.m_strName + " chunk (chunk " + std::to_string(nChunk + 1) +
           ") is too short to hold " + strName;
}

// A field the bext chunk holds from a later version on raises its version first; a longer text
// to the end (coding history, tag text) grows its chunk.
CString StoreInChunk(CChunk& chunk, const FieldLayout& field, const CString& strName,
                     const CString& strValue, const EditRules& rules,
                     std::vector<CString>& rNotes) {
    if (FieldTableOf(chunk) == &kBextFields && field.sinceVersion > 0 &&
        !RaiseBextVersion(chunk, field.sinceVersion)) {
        return "couldn't grow the " + chunk.m_strName + " chunk to hold " + strName;
    }
    if (CString strProblem = GrowForText(chunk, field, strValue); !strProblem.empty()) {
        return strName + ": " + strProblem;
    }
    const ValueAnswer answer = FieldRuleAnswer(chunk, field, strValue);
    if (answer.verdict == ValueVerdict::Refused) {
        return answer.reason;
    }
    if (answer.verdict == ValueVerdict::Cut && rules.bStrict) {
        return answer.reason + " (--strict)";
    }
    if (answer.verdict == ValueVerdict::Cut) {
        rNotes.push_back(answer.reason);
    }
    const CString strRefused = WriteFieldText(chunk, field, strValue);
    return strRefused.empty() ? CString() : strName + "=" + strValue + ": " + strRefused;
}

}  // namespace

CString StoreFieldValue(CRiffChunkModel& root, const CString& strName, const CString& strValue,
                        const EditRules& rules, std::vector<CString>& rNotes,
                        const BeforeFieldStore& before) {
    if (rules.bAdd && kBextFields.Find(strName)) {
        BextChunkFor(root, true);
    }
    std::size_t nStored = 0;
    std::size_t nChunk = 0;
    CString strTooShort;
    for (CObject* pObject : root) {
        CChunk& chunk = *static_cast<CChunk*>(pObject);
        const std::size_t nIndex = nChunk++;
        const FieldTable* pTable = FieldTableOf(chunk);
        const FieldLayout* pField = pTable ? pTable->Find(strName) : nullptr;
        if (!pField) {
            continue;
        }
        // The bext chunk grows for the fields of a later version, any chunk for a longer text
        // to its end.
        const bool bGrows =
            (pTable == &kBextFields && pField->sinceVersion > 0) ||
            (pField->kind == FieldKind::TextToEnd && chunk.DataSize() >= pField->offset);
        if (!bGrows && !IsFieldHeld(chunk, *pField)) {
            strTooShort = TooShortFor(chunk, nIndex, strName);
            continue;
        }
        if (before) {
            before(chunk, *pTable);
        }
        if (CString strProblem = StoreInChunk(chunk, *pField, strName, strValue, rules, rNotes);
            !strProblem.empty()) {
            return strProblem;
        }
        ++nStored;
    }
    if (nStored > 0) {
        return CString();
    }
    const CString strAdd = kBextFields.Find(strName) ? " (--add adds one)" : "";
    return strTooShort.empty() ? NoChunkFor(strName) + strAdd : strTooShort;
}
