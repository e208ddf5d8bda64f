#include "core/fields/SamplerFields.h"

namespace {

using K = FieldKind;

// The manufacturer's MIDI code and the SMPTE offset (hours, minutes, seconds, frames from the
// high byte down) read best in hexadecimal.
constexpr FieldLayout kSampler[] = {
    {.name = "Manufacturer", .offset = 0, .width = 4, .kind = K::HexNumber, .stored = false},
    {.name = "Product", .offset = 4, .width = 4, .kind = K::Number, .stored = false},
    {.name = "SamplePeriod", .offset = 8, .width = 4, .kind = K::Number, .stored = false},
    {.name = "MIDIUnityNote", .offset = 12, .width = 4, .kind = K::Number, .stored = false},
    {.name = "MIDIPitchFraction", .offset = 16, .width = 4, .kind = K::Number, .stored = false},
    {.name = "SMPTEFormat", .offset = 20, .width = 4, .kind = K::Number, .stored = false},
    {.name = "SMPTEOffset", .offset = 24, .width = 4, .kind = K::HexNumber, .stored = false},
    {.name = "SampleLoops", .offset = 28, .width = 4, .kind = K::Number, .stored = false},
    {.name = "SamplerData", .offset = 32, .width = 4, .kind = K::Number, .stored = false},
};

}  // namespace

const FieldTable kSamplerFields{"smpl", "smpl", kSampler};
