// The progress line: silent for a batch done within a second and off a terminal, then the files,
// bytes, rate and time left.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/Progress.h"

namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;

struct FakeClock {
    TimePoint now{};
    CProgress::Clock Clock() {
        return [this] { return now; };
    }
};

TEST(CliProgressTest, QuietForABatchDoneWithinASecond) {
    FakeClock clock;
    std::ostringstream out;
    {
        CProgress progress(3, 0, out, true, clock.Clock());
        for (int i = 0; i < 3; ++i) {
            clock.now += 300ms;
            progress.Step();
        }
    }
    EXPECT_EQ(out.str(), "");
}

TEST(CliProgressTest, OnATerminalOneLineIsRewrittenThenEnded) {
    FakeClock clock;
    std::ostringstream out;
    {
        CProgress progress(4, 0, out, true, clock.Clock());
        clock.now += 1100ms;
        progress.Step();
        clock.now += 10ms;
        progress.Step();  // too soon after the last one
        clock.now += 200ms;
        progress.Step();
        clock.now += 10ms;
        progress.Step();  // the last is always shown
    }
    EXPECT_EQ(out.str(),
              "\rovalis-cli: 1 of 4 files\x1b[K\rovalis-cli: 3 of 4 files\x1b[K"
              "\rovalis-cli: 4 of 4 files\x1b[K\n");
}

TEST(CliProgressTest, BytesGiveTheRateAndTheTimeLeft) {
    FakeClock clock;
    std::ostringstream out;
    {
        CProgress progress(2, std::int64_t{3} << 30, out, true, clock.Clock());
        clock.now += 2s;
        progress.Bytes(std::int64_t{1} << 30);  // 512 MiB a second: 4 s left
        clock.now += 2s;
        progress.Step();
        progress.Bytes(std::int64_t{2} << 30);  // too soon after the last line
        clock.now += 2s;
        progress.Step();
    }
    EXPECT_EQ(out.str(),
              "\rovalis-cli: 0 of 2 files, 1.0 GiB of 3.0 GiB, 512.0 MiB/s, 4 s left\x1b[K"
              "\rovalis-cli: 1 of 2 files, 1.0 GiB of 3.0 GiB, 256.0 MiB/s, 8 s left\x1b[K"
              "\rovalis-cli: 2 of 2 files, 2.0 GiB of 3.0 GiB, 341.3 MiB/s, 3 s left\x1b[K\n");
}

TEST(CliProgressTest, NothingWhenNotATerminal) {
    FakeClock clock;
    std::ostringstream out;
    {
        CProgress progress(10, 1000, out, false, clock.Clock());
        for (int i = 0; i < 9; ++i) {
            clock.now += 400ms;
            progress.Bytes(i * 100);
            progress.Step();
        }
    }
    EXPECT_EQ(out.str(), "");
}

}  // namespace
