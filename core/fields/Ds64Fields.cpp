#include "core/fields/Ds64Fields.h"

namespace {
constexpr FieldLayout kDs64[] = {{"riffSize", 0, 8, FieldKind::Number, false},
                                 {"dataSize", 8, 8, FieldKind::Number, false},
                                 {"sampleCount", 16, 8, FieldKind::Number, false},
                                 {"tableLength", 24, 4, FieldKind::Number, false}};
}

const FieldTable kDs64Fields{"ds64", "ds64", kDs64};
