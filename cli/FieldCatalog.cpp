#include "cli/FieldCatalog.h"

#include <algorithm>
#include <functional>

#include "core/kinds/ChunkFields.h"

namespace {

bool AnyField(const CString& strName, const std::function<bool(const FieldLayout&)>& test) {
    const auto tables = FieldTables();
    return std::any_of(tables.begin(), tables.end(), [&](const FieldTable* pTable) {
        const FieldLayout* pField = pTable->Find(strName);
        return pField && test(*pField);
    });
}

}  // namespace

bool IsKnownField(const CString& strName) {
    return AnyField(strName, [](const FieldLayout&) { return true; });
}

bool IsStoredField(const CString& strName) {
    return AnyField(strName, [](const FieldLayout& field) { return field.stored; });
}

bool IsNumberField(const CString& strName) {
    return AnyField(strName,
                    [](const FieldLayout& field) { return field.kind == FieldKind::Number; });
}
