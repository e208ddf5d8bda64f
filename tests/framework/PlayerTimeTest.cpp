// The player's times: m:ss under an hour, h:mm:ss from an hour on, the position in the style of
// the duration.

#include "player/PlayerTime.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerTimeTest, TimesReadAsClockTimesInTheStyleOfTheDuration) {
    constexpr qint64 kHour = 3600000;
    const struct {
        qint64 ms;
        qint64 duration;
        const char* shown;
    } rows[] = {
        {0, 5000, "0:00"},
        {59999, 120000, "0:59"},
        {3599000, 3599000, "59:59"},
        {0, 6944000, "0:00:00"},
        {6944000, 6944000, "1:55:44"},
        {61000, kHour, "0:01:01"},
        {30 * kHour, 30 * kHour, "30:00:00"},
        {-1000, 5000, "0:00"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PlayerTimeText(row.ms, row.duration).toStdString(), row.shown) << row.ms;
    }
}

}  // namespace
