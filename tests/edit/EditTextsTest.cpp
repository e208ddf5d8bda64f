// The texts an edit takes apart: dates, positions, iXML fields, the description's mirror lines.

#include <gtest/gtest.h>

#include "core/edit/DateText.h"
#include "core/edit/IxmlFields.h"
#include "core/edit/MirrorLines.h"
#include "core/edit/TimecodeInput.h"
#include "core/edit/UmidMaker.h"

namespace {

struct DateCase {
    const char* text;
    bool calendarDate;
    bool clockTime;
    bool isoDate;
};

TEST(EditTextsTest, DatesAndTimesAreThoseOfTheCalendarAndTheClock) {
    const DateCase cases[] = {
        {"2024-02-29", true, false, true},
        {"2023-02-29", false, false, false},
        {"2024-13-01", false, false, false},
        {"2024:05:06", true, false, false},
        {"23:59:59", false, true, false},
        {"24:00:00", false, false, false},
        {"2024", false, false, true},
        {"2024-05", false, false, true},
        {"2024-05-06T10:11", false, false, true},
        {"2024-05-06T10:11:12+02:00", false, false, true},
        {"2024-05-06T25:00", false, false, false},
        {"06.05.2024", false, false, false},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(IsCalendarDate(c.text), c.calendarDate) << c.text;
        EXPECT_EQ(IsClockTime(c.text), c.clockTime) << c.text;
        EXPECT_EQ(IsIsoDateTime(c.text), c.isoDate) << c.text;
    }
}

struct PositionCase {
    const char* text;
    std::optional<std::uint64_t> samples;
};

TEST(EditTextsTest, PositionsAreCountsOrTimecodeBelowADay) {
    const PositionCase cases[] = {
        {"1234567", 1234567},
        {"01:00:00:00", 172800000},
        {"00:00:01:12@24", 72000},
        {"00:01:00;02@29.97", 2882880},  // the first frame after the two dropped ones
        {"00:01:00;00@29.97", std::nullopt},
        {"24:00:00:00", std::nullopt},
        {"00:00:00:25", std::nullopt},
        {"00:00:00:00@26", std::nullopt},
    };
    for (const PositionCase& c : cases) {
        EXPECT_EQ(ParsePosition(c.text, 48000, TimecodeRate{}).samples, c.samples) << c.text;
    }
}

struct IxmlCase {
    const char* document;
    const char* field;
    const char* value;
    const char* edited;  // null when refused
};

TEST(EditTextsTest, AnIxmlFieldChangesOnlyItsElementsBytes) {
    const IxmlCase cases[] = {
        {"<BWFXML>\n  <SCENE>A1</SCENE>\n  <TAKE>3</TAKE>\n</BWFXML>", "TAKE", "4 & 5",
         "<BWFXML>\n  <SCENE>A1</SCENE>\n  <TAKE>4 &amp; 5</TAKE>\n</BWFXML>"},
        {"<BWFXML>\n\t<SCENE>A1</SCENE>\n</BWFXML>", "NOTE", "n",
         "<BWFXML>\n\t<SCENE>A1</SCENE>\n\t<NOTE>n</NOTE>\n</BWFXML>"},
        {"<BWFXML><NOTE/></BWFXML>", "NOTE", "x", "<BWFXML><NOTE>x</NOTE></BWFXML>"},
        {"<BWFXML><SCENE>A</SCENE></BWFXML>", "SPEED.TIMECODE_RATE", "25/1",
         "<BWFXML><SCENE>A</SCENE><SPEED><TIMECODE_RATE>25/1</TIMECODE_RATE></SPEED></BWFXML>"},
        {"<BWFXML><TRACK_LIST><TRACK><CHANNEL_INDEX>2</CHANNEL_INDEX><NAME>a</NAME></TRACK>"
         "</TRACK_LIST></BWFXML>",
         "TRACK2.NAME", "Boom",
         "<BWFXML><TRACK_LIST><TRACK><CHANNEL_INDEX>2</CHANNEL_INDEX><NAME>Boom</NAME></TRACK>"
         "</TRACK_LIST></BWFXML>"},
        {"<BWFXML><SCENE>A</SCENE></BWFXML>", "TRACK1.NAME", "x", nullptr},
        {"<BWFXML><SCENE>A</SCENE>", "SCENE", "B", nullptr},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><BWFXML/>", "SCENE", "\xC3\xA9", nullptr},
    };
    for (const IxmlCase& c : cases) {
        const IxmlEdit edit = SetIxmlField(c.document, c.field, c.value);
        if (c.edited) {
            EXPECT_EQ(edit.document, c.edited) << c.field << ": " << edit.problem;
            EXPECT_EQ(IxmlFieldText(edit.document, c.field), c.value);
        } else {
            EXPECT_FALSE(edit.problem.empty()) << c.field;
        }
    }
}

// All fields with their texts from one parse: the same as each field read on its own, for
// tracks of one channel twice (the first holds the field or not) and a channel that is no number.
TEST(EditTextsTest, IxmlFieldValuesAreThoseOfEachFieldReadAlone) {
    const std::string tracks[] = {
        "<TRACK><CHANNEL_INDEX>1</CHANNEL_INDEX><NAME>One</NAME></TRACK>"
        "<TRACK><CHANNEL_INDEX>1</CHANNEL_INDEX><NAME>Again</NAME><FUNCTION>F</FUNCTION></TRACK>",
        "<TRACK><CHANNEL_INDEX>x</CHANNEL_INDEX><NAME>X</NAME></TRACK>"
        "<TRACK><CHANNEL_INDEX>2</CHANNEL_INDEX><FUNCTION>&amp;</FUNCTION></TRACK>",
        "",
    };
    for (const std::string& strTracks : tracks) {
        const CString strDocument =
            "<BWFXML><SCENE>5</SCENE><SPEED><TIMECODE_RATE>25/1"
            "</TIMECODE_RATE></SPEED><TRACK_LIST>" +
            strTracks + "</TRACK_LIST></BWFXML>";
        std::vector<std::pair<CString, CString>> alone;
        for (const CString& strName : IxmlFieldsOf(strDocument)) {
            if (const std::optional<CString> text = IxmlFieldText(strDocument, strName)) {
                alone.emplace_back(strName, *text);
            }
        }
        EXPECT_EQ(IxmlFieldValuesOf(strDocument), alone) << strTracks;
        EXPECT_GE(alone.size(), 2u);
    }
}

TEST(EditTextsTest, MirrorLinesFollowTheirFieldAndNoOtherLine) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"sSCENE=A1\r\nsTAKE=3\r\n", "sSCENE=B2\r\nsTAKE=3\r\n"},
        {"SCENE=A1\nzSCENE=A1", "SCENE=B2\nzSCENE=B2"},
        {"sSCENEX=A1\r\nSCENERY=A1", "sSCENEX=A1\r\nSCENERY=A1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithMirrorLines(c.before, "SCENE", "B2"), c.after);
    }
}

TEST(EditTextsTest, UmidsAreMadeAsSmpteBasicOnesOrTakenFromHex) {
    for (MaterialNumber method : {MaterialNumber::Random, MaterialNumber::TimeBased}) {
        const std::vector<BYTE> umid = NewBasicUmid(method);
        ASSERT_EQ(umid.size(), 32u);
        EXPECT_EQ(std::vector<BYTE>(umid.begin(), umid.begin() + 4),
                  (std::vector<BYTE>{0x06, 0x0A, 0x2B, 0x34}));
        EXPECT_EQ(umid[12], 0x13);  // the length of what follows the label
        EXPECT_NE(NewBasicUmid(method), umid);
    }
    const std::string hex32(64, 'a');
    const struct {
        std::string text;
        std::size_t bytes;  // 0: refused
    } cases[] = {{hex32, 32},          {hex32 + hex32, 64},  {"0A0B 0C0D" + hex32.substr(8), 32},
                 {hex32.substr(1), 0}, {hex32.substr(2), 0}, {"zz" + hex32.substr(2), 0}};
    for (const auto& c : cases) {
        const auto umid = UmidFromHex(c.text);
        EXPECT_EQ(umid ? umid->size() : 0, c.bytes) << c.text;
    }
}

}  // namespace
