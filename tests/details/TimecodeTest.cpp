// Sample counts as clock time and timecode, at the rates recorders use.

#include "core/details/Timecode.h"

#include <gtest/gtest.h>

namespace {

struct TimecodeRow {
    const char* what;
    std::uint64_t samples;
    DWORD sampleRate;
    TimecodeRate rate;
    const char* timecode;
    const char* clock;
};

TEST(TimecodeTest, SamplesGiveTheTimecodeOfEachRate) {
    const TimecodeRow rows[] = {
        {"25 fps, one hour", 48000ull * 3600, 48000, {25, 1, false}, "01:00:00:00", "1:00:00.000"},
        {"24 fps, half frames cut", 72000, 48000, {24, 1, false}, "00:00:01:12", "0:00:01.500"},
        {"23.976 runs slow",
         48000ull * 3600,
         48000,
         {24000, 1001, false},
         "00:59:56:09",
         "1:00:00.000"},
        {"29.97 drop at ten minutes",
         28800000,
         48000,
         {30000, 1001, true},
         "00:10:00;00",
         "0:10:00.000"},
        {"29.97 drop before a minute",
         2880000,
         48000,
         {30000, 1001, true},
         "00:00:59;28",
         "0:01:00.000"},
        {"29.97 drop skips ;00 and ;01",
         2882880,
         48000,
         {30000, 1001, true},
         "00:01:00;02",
         "0:01:00.060"},
        {"29.97 non-drop", 2882880, 48000, {30000, 1001, false}, "00:01:00:00", "0:01:00.060"},
        {"30 fps", 48000ull * 61, 48000, {30, 1, false}, "00:01:01:00", "0:01:01.000"},
        {"past 24 hours timecode wraps",
         48000ull * (25 * 3600 + 1),
         48000,
         {25, 1, false},
         "01:00:01:00",
         "25:00:01.000"},
        {"largest 64-bit count", ~0ull, 48000, {25, 1, false}, "", ""},
        {"no sample rate", 1000, 0, {25, 1, false}, "", ""},
    };
    for (const TimecodeRow& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.samples == ~0ull) {
            EXPECT_FALSE(TimecodeText(row.samples, row.sampleRate, row.rate).empty());
            EXPECT_FALSE(ClockText(row.samples, row.sampleRate).empty());
            continue;
        }
        EXPECT_EQ(TimecodeText(row.samples, row.sampleRate, row.rate), row.timecode);
        EXPECT_EQ(ClockText(row.samples, row.sampleRate), row.clock);
    }
}

struct RateRow {
    const char* rate;
    const char* flag;
    std::optional<TimecodeRate> expected;
    const char* name;
};

TEST(TimecodeTest, RatesReadFromTheirTexts) {
    const RateRow rows[] = {
        {"30000/1001", "DF", TimecodeRate{30000, 1001, true}, "29.97 fps drop frame"},
        {"24000/1001", "NDF", TimecodeRate{24000, 1001, false}, "23.976 fps"},
        {"25", "NDF", TimecodeRate{25, 1, false}, "25 fps"},
        {"25/1", "", TimecodeRate{25, 1, false}, "25 fps"},
        {"", "DF", std::nullopt, ""},
        {"abc", "", std::nullopt, ""},
        {"0/1", "", std::nullopt, ""},
        {"25/0", "", std::nullopt, ""},
        {"25 fps", "", std::nullopt, ""},
    };
    for (const RateRow& row : rows) {
        SCOPED_TRACE(row.rate);
        const auto rate = ParseTimecodeRate(row.rate, row.flag);
        ASSERT_EQ(rate.has_value(), row.expected.has_value());
        if (rate) {
            EXPECT_EQ(rate->num, row.expected->num);
            EXPECT_EQ(rate->den, row.expected->den);
            EXPECT_EQ(rate->drop, row.expected->drop);
            EXPECT_EQ(TimecodeRateName(*rate), row.name);
        }
    }
}

struct TypedTimecodeRow {
    const char* text;
    DWORD sampleRate;
    TimecodeRate rate;
    std::optional<std::uint64_t> samples;
};

// Every accepted timecode reads back as itself through TimecodeText.
TEST(TimecodeTest, TypedTimecodeGivesTheFirstSampleOfItsFrame) {
    const TimecodeRate k25{25, 1, false};
    const TimecodeRate kDrop{30000, 1001, true};
    const TypedTimecodeRow rows[] = {
        {"01:00:00:00", 48000, k25, 48000ull * 3600},
        {"23:59:59:24", 48000, k25, 48000ull * 86399 + 46080},
        {"00:59:56:09", 48000, {24000, 1001, false}, 172798626},
        {"00:00:59;28", 48000, kDrop, 2879677},
        {"00:01:00;02", 48000, kDrop, 2882880},
        {"00:10:00;00", 48000, kDrop, 28799972},
        {"00:01:00:00", 48000, {30000, 1001, false}, 2882880},
        {"12345", 48000, k25, 12345},
        {"12345", 0, k25, 12345},
        {"18446744073709551615", 48000, k25, ~0ull},
        {"18446744073709551616", 48000, k25, std::nullopt},
        {"00:01:00;00", 48000, kDrop, std::nullopt},
        {"00:00:00;00", 48000, k25, std::nullopt},
        {"24:00:00:00", 48000, k25, std::nullopt},
        {"00:60:00:00", 48000, k25, std::nullopt},
        {"00:00:60:00", 48000, k25, std::nullopt},
        {"00:00:00:25", 48000, k25, std::nullopt},
        {"00:00:01:00", 0, k25, std::nullopt},
        {"00:00:01", 48000, k25, std::nullopt},
        {"00:00:01:00:00", 48000, k25, std::nullopt},
        {"0a:00:01:00", 48000, k25, std::nullopt},
        {"-1", 48000, k25, std::nullopt},
        {"", 48000, k25, std::nullopt},
    };
    for (const TypedTimecodeRow& row : rows) {
        SCOPED_TRACE(row.text);
        const auto samples = SamplesOfTimecode(row.text, row.sampleRate, row.rate);
        EXPECT_EQ(samples, row.samples);
        if (samples && CString(row.text).find(':') != CString::npos) {
            EXPECT_EQ(TimecodeText(*samples, row.sampleRate, row.rate), row.text);
        }
    }
}

}  // namespace
