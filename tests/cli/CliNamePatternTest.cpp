// --from-name: the named groups of a pattern give fields from a file's name; a pattern that is
// not one, or names no field, is refused before any file is touched.

#include <gtest/gtest.h>

#include "cli/NamePattern.h"

namespace {

TEST(CliNamePatternTest, NamedGroupsGiveFieldsFromTheName) {
    const struct {
        const char* pattern;
        const char* path;
        std::vector<std::pair<CString, CString>> values;  // empty: no match
    } cases[] = {
        {"(?<Originator>[^_]+)_(?<IXML:TAKE>\\d+)",
         "/a/b/Studio_07.wav",
         {{"Originator", "Studio"}, {"IXML:TAKE", "07"}}},
        {"(x)?(?<INFO:IARL>[A-Z]+)(?:-(?<Description>.*))?\\.wav",
         "VIENNA-Reel 12.wav",
         {{"INFO:IARL", "VIENNA"}, {"Description", "Reel 12"}}},
        {"^(?<Originator>[a-z]+)$", "Upper.wav", {}},
        {"[(](?<Originator>\\w+)[)]", "take(one).wav", {{"Originator", "one"}}},
    };
    for (const auto& c : cases) {
        CNamePattern pattern;
        ASSERT_EQ(pattern.Compile(c.pattern), "") << c.pattern;
        const auto values = pattern.ValuesOf(c.path);
        std::vector<std::pair<CString, CString>> got;
        for (const Assignment& value : values.value_or(std::vector<Assignment>())) {
            got.emplace_back(value.strName, value.strValue);
        }
        EXPECT_EQ(got, c.values) << c.pattern;
    }
}

TEST(CliNamePatternTest, APatternThatCannotServeIsRefused) {
    for (const char* pattern :
         {"(?<Originator>[", "(?<Orignator>x)", "no groups", "(?<Originator"}) {
        EXPECT_NE(CNamePattern().Compile(pattern), "") << pattern;
    }
}

}  // namespace
