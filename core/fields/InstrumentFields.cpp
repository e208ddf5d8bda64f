#include "core/fields/InstrumentFields.h"

namespace {

using K = FieldKind;

// The fine tune is in cents and the gain in decibels, both signed.
constexpr FieldLayout kInstrument[] = {
    {.name = "UnshiftedNote", .offset = 0, .width = 1, .kind = K::Number, .stored = false},
    {.name = "FineTune", .offset = 1, .width = 1, .kind = K::SignedNumber, .stored = false},
    {.name = "Gain", .offset = 2, .width = 1, .kind = K::SignedNumber, .stored = false},
    {.name = "LowNote", .offset = 3, .width = 1, .kind = K::Number, .stored = false},
    {.name = "HighNote", .offset = 4, .width = 1, .kind = K::Number, .stored = false},
    {.name = "LowVelocity", .offset = 5, .width = 1, .kind = K::Number, .stored = false},
    {.name = "HighVelocity", .offset = 6, .width = 1, .kind = K::Number, .stored = false},
};

}  // namespace

const FieldTable kInstrumentFields{"inst", "inst", kInstrument};
