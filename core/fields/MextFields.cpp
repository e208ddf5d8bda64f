#include "core/fields/MextFields.h"

namespace {

using K = FieldKind;

constexpr FieldLayout kMext[] = {
    {"SoundInformation", 0, 2, K::Number, true},
    {"FrameSize", 2, 2, K::Number, true},
    {"AncillaryDataLength", 4, 2, K::Number, true},
    {"AncillaryDataDef", 6, 2, K::Number, true},
    {"Reserved", 8, 4, K::Number, true},
};

}  // namespace

const FieldTable kMextFields{"mext", "mext", kMext};
