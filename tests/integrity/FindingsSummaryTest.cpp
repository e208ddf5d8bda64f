// A check's one-line outcome: clean only when nothing was found, else every severity counted.

#include <gtest/gtest.h>

#include "core/integrity/FindingsSummary.h"

namespace {

Finding Found(Severity severity, const char* pszRule = "pad-missing") {
    return {severity, pszRule, "data", 0, "a sentence."};
}

TEST(FindingsSummaryTest, CleanOnlyWhenNothingWasFound) {
    const struct {
        std::vector<Finding> findings;
        const char* summary;
    } cases[] = {
        {{}, "clean"},
        {{Found(Severity::Note, "clean")}, "clean"},
        {{Found(Severity::Warning), Found(Severity::Warning)}, "no errors, 2 warnings, no notes"},
        {{Found(Severity::Note)}, "no errors, no warnings, 1 note"},
        {{Found(Severity::Error), Found(Severity::Warning), Found(Severity::Note),
          Found(Severity::Note)},
         "1 error, 1 warning, 2 notes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindingsSummary({c.findings, CString()}), c.summary) << c.summary;
    }
}

}  // namespace
