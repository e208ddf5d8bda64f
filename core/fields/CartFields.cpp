#include "core/fields/CartFields.h"

namespace {

using K = FieldKind;

// The version and the level reference are shown only; the texts are stored at their widths,
// the dates and times in the same forms as bext's.
constexpr FieldLayout kCart[] = {
    {.name = "Version", .offset = 0, .width = 4, .kind = K::FixedText, .stored = false},
    {.name = "Title", .offset = 4, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "Artist", .offset = 68, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "CutID", .offset = 132, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "ClientID", .offset = 196, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "Category", .offset = 260, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "Classification", .offset = 324, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "OutCue", .offset = 388, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "StartDate", .offset = 452, .width = 10, .kind = K::Date, .stored = true},
    {.name = "StartTime", .offset = 462, .width = 8, .kind = K::Time, .stored = true},
    {.name = "EndDate", .offset = 470, .width = 10, .kind = K::Date, .stored = true},
    {.name = "EndTime", .offset = 480, .width = 8, .kind = K::Time, .stored = true},
    {.name = "ProducerAppID", .offset = 488, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "ProducerAppVersion",
     .offset = 552,
     .width = 64,
     .kind = K::FixedText,
     .stored = true},
    {.name = "UserDef", .offset = 616, .width = 64, .kind = K::FixedText, .stored = true},
    {.name = "LevelReference", .offset = 680, .width = 4, .kind = K::SignedNumber, .stored = false},
    {.name = "URL", .offset = 1024, .width = 1024, .kind = K::FixedText, .stored = true},
    {.name = "TagText",
     .offset = 2048,
     .width = 0,
     .kind = K::TextToEnd,
     .stored = true,
     .multiLine = true,
     .trimmed = true},
};

}  // namespace

const FieldTable kCartFields{"cart", "cart", kCart};
