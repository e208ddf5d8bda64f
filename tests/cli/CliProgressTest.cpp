// The progress line: silent for a batch done within a second, then counting files.

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
        CProgress progress(3, out, true, clock.Clock());
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
        CProgress progress(4, out, true, clock.Clock());
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
              "\rovalis-cli: 1 of 4 files\rovalis-cli: 3 of 4 files\rovalis-cli: 4 of 4 files\n");
}

TEST(CliProgressTest, ElsewhereALineASecond) {
    FakeClock clock;
    std::ostringstream out;
    {
        CProgress progress(10, out, false, clock.Clock());
        for (int i = 0; i < 9; ++i) {
            clock.now += 400ms;
            progress.Step();
        }
    }
    EXPECT_EQ(out.str(),
              "ovalis-cli: 3 of 10 files\novalis-cli: 6 of 10 files\novalis-cli: 9 of 10 files\n");
}

}  // namespace
