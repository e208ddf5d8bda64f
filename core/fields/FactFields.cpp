#include "core/fields/FactFields.h"

namespace {
constexpr FieldLayout kFact[] = {{"dwSampleLength", 0, 4, FieldKind::Number, true}};
}

const FieldTable kFactFields{"fact", "fact", kFact};
