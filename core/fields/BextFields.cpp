#include "core/fields/BextFields.h"

namespace {

using K = FieldKind;

// The time reference is shown in hexadecimal and the version as "0.0"; neither is written back.
constexpr FieldLayout kBext[] = {
    {"Description", 0, 256, K::FixedText, true, true, true},
    {"Originator", 256, 32, K::FixedText, true},
    {"OriginatorReference", 288, 32, K::FixedText, true},
    {"OriginationDate", 320, 10, K::FixedText, true},
    {"OriginationTime", 330, 8, K::FixedText, true},
    {"TimeReferenceLow", 338, 4, K::HexNumber, false},
    {"CodingHistory", 602, 0, K::TextToEnd, true, true, true},
    {"TimeReferenceHigh", 342, 4, K::HexNumber, false},
    {"Version", 346, 2, K::Number, false, false, false, "0.0"},
};

}  // namespace

const FieldTable kBextFields{"bext", "bext", kBext};
