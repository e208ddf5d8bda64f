#include "core/fields/FieldLayout.h"

const FieldLayout* FieldTable::Find(const CString& strName) const {
    for (const FieldLayout& field : fields) {
        if (strName == field.name) {
            return &field;
        }
    }
    return nullptr;
}
