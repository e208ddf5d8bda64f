#include "cli/ByteChanges.h"

#include <algorithm>

#include "core/fields/FieldLayout.h"

namespace {

constexpr const char* kOutsideFields = "(outside the fields)";

CString FieldAt(const FieldTable* pTable, DWORD dwAt) {
    if (!pTable) {
        return kOutsideFields;
    }
    for (const FieldLayout& field : pTable->fields) {
        const bool bToEnd = field.kind == FieldKind::TextToEnd;
        if (dwAt >= field.offset && (bToEnd || dwAt - field.offset < field.width)) {
            return field.name;
        }
    }
    return kOutsideFields;
}

bool Differs(const CString& strBefore, const CString& strAfter, std::size_t i) {
    return i >= strBefore.size() || i >= strAfter.size() || strBefore[i] != strAfter[i];
}

}  // namespace

std::vector<ByteRange> ChangedRanges(const CString& strBefore, const CString& strAfter,
                                     const FieldTable* pTable) {
    std::vector<ByteRange> ranges;
    const std::size_t nEnd = std::max(strBefore.size(), strAfter.size());
    for (std::size_t i = 0; i < nEnd; ++i) {
        if (!Differs(strBefore, strAfter, i)) {
            continue;
        }
        const auto dwAt = static_cast<DWORD>(i);
        const CString strField = FieldAt(pTable, dwAt);
        // Bytes of a field that happen to stay the same inside a changed run are written too.
        if (!ranges.empty() && ranges.back().strField == strField) {
            ranges.back().dwEnd = dwAt + 1;
        } else {
            ranges.push_back({dwAt, dwAt + 1, strField});
        }
    }
    return ranges;
}
