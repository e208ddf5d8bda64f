#pragma once
// Edits of one file as a user makes them on the pages: each value stored through its field's
// codec in every chunk that has the field, then the file saved over itself. A dry run shows the
// fields whose shown text the stored values changed and every byte range they changed, and
// writes nothing; an edit that changes no byte writes nothing either.

#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cli/ByteChanges.h"
#include "cli/CommandLine.h"
#include "cli/FileReport.h"
#include "core/chunks/SaveOptions.h"
#include "core/edit/MarkerList.h"
#include "core/edit/MetadataValues.h"

class CLoadedFile;

struct FieldChange {
    std::size_t nChunk;  // from 0, in file order
    CString strTab;
    CString strField;
    CString strBefore;
    CString strAfter;
};

struct PayloadChange {
    std::size_t nChunk;  // from 0, in file order
    CString strTab;
    DWORD dwDataOffset;  // in the file
    std::vector<ByteRange> ranges;
};

// A value beyond the field tables (TimeReference, UMID, INFO:..., IXML:...) before and after.
struct ValueChange {
    CString strName;
    CString strBefore;
    CString strAfter;
};

class CFileEdit {
public:
    explicit CFileEdit(CLoadedFile& file, const EditRules& rules = {});

    // Stores every value by the value rule (ValueRule.h), in memory. Empty when each was taken;
    // otherwise why not, and then nothing is to be saved.
    CString Store(const std::vector<Assignment>& assignments);
    // Makes the file's markers those given (see SetMarkers).
    CString StoreMarkers(const std::vector<Marker>& markers);
    // The fields of the chunks stored into whose shown text changed, in file order.
    std::vector<FieldChange> Changes() const;
    std::vector<ValueChange> ValueChanges() const;
    // The byte ranges of the chunks stored into that the stored values changed, in file order.
    std::vector<PayloadChange> ByteChanges() const;
    // The chunks the edits added, as "'bext' (602 bytes)".
    std::vector<CString> AddedChunks() const;
    // What the user should know of values that were stored: texts and numbers cut to their
    // fields, derived values left disagreeing.
    const std::vector<CString>& Notes() const { return m_notes; }
    // Saves the file over itself. Empty on success, otherwise why not.
    CString Save(const SaveOptions& options);

private:
    CString StoreOne(const Assignment& assignment);
    void RememberValueBefore(const CString& strName);
    // Whether the value is already what the file holds, from one reading of every value kept
    // until something is stored: an import of many values does not read a list for each.
    bool HoldsAlready(const Assignment& assignment);
    std::size_t IndexOf(const CChunk* pChunk) const;

    CLoadedFile& m_file;
    EditRules m_rules;
    // The format record's derived values that disagreed before any edit (DerivedValues.h).
    std::vector<CString> m_disagreementsBefore;
    std::vector<const CChunk*> m_chunksBefore;
    // The fields of each chunk stored into, as they were shown before.
    std::map<const CChunk*, std::vector<FieldValue>> m_before;
    // The payload bytes of every chunk but the samples, as they were before.
    std::map<const CChunk*, CString> m_payloadBefore;
    std::vector<std::pair<CString, CString>> m_valuesBefore;
    std::unordered_set<CString> m_namesBefore;  // those of m_valuesBefore
    std::optional<std::unordered_map<CString, CString>> m_valuesNow;
    std::vector<CString> m_notes;
};

struct EditChoice {
    bool bDryRun = false;
    SaveOptions options;
    EditRules rules;
};

// Applies the edits to the file at strPath, printing what would change on a dry run. Empty on
// success, otherwise the reason the file failed.
CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const EditChoice& choice);
// The same, and the file's markers made those given.
CString EditFile(const CString& strPath, const std::vector<Assignment>& assignments,
                 const std::vector<Marker>& markers, const EditChoice& choice);
