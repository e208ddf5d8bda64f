// Every dialog template of the program, by resource id. Positions and sizes in dialog units.

#include <algorithm>
#include <map>

#include "core/kinds/ChunkKind.h"
#include "framework/DialogTemplate.h"
#include "pages/KindPages.h"

namespace {

using K = ControlKind;

constexpr const char* kPageFont = "MS Sans Serif";
constexpr DWORD kPage = DS_CHILD | DS_VISIBLE;
constexpr DWORD kText = WS_VISIBLE;
// A line that says what the number in the box before it means; cut with its tooltip when long.
constexpr DWORD kMeaning = WS_VISIBLE | SS_ENDELLIPSIS;
constexpr DWORD kNumberBox = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kReadOnlyBox = kNumberBox | ES_READONLY;
constexpr DWORD kTextBox = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kMultiLineBox = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN;

DialogTemplate TextPage(UINT nID, int cy, const char* text, int x, int y, int cx) {
    return {nID,       270, cy,    "",
            kPageFont, 8,   kPage, {{K::Text, IDC_STATIC, text, x, y, cx, 8, kText}}};
}

// The box below a page's line that shows the chunk's details (pages/ChunkDetailsView.h).
constexpr int IDC_CHUNK_DETAILS = 1100;
constexpr DWORD kDetailsBox = kMultiLineBox | WS_VSCROLL | ES_READONLY;

// A text page with the details box below its line, down to the page's bottom.
DialogTemplate DetailsPage(UINT nID, int cy, const char* text, int x, int y, int cx) {
    DialogTemplate page = TextPage(nID, cy, text, x, y, cx);
    page.controls.push_back({K::Edit, IDC_CHUNK_DETAILS, "", 7, 20, 256, cy - 27, kDetailsBox});
    return page;
}

// The seven rows that the PCM and MPEG format pages share, label at x 16, box at x 112.
std::vector<DialogControl> FormatRows(const char* formatName) {
    return {
        {K::Text, IDC_STATIC, "WORD wFormatTag:", 16, 11, 90, 8, kText},
        {K::Edit, 1022, "", 112, 7, 70, 12, kReadOnlyBox},
        {K::Text, IDC_STATIC, formatName, 186, 9, 80, 8, kText},
        {K::Text, IDC_STATIC, "WORD nChannels:", 16, 24, 90, 8, kText},
        {K::Edit, 1023, "", 112, 20, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "DWORD nSamplesPerSec:", 16, 37, 90, 8, kText},
        {K::Edit, 1024, "", 112, 33, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "DWORD nAvgBytesPerSec:", 16, 50, 90, 8, kText},
        {K::Edit, 1007, "", 112, 46, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD nBlockAlign:", 16, 63, 90, 8, kText},
        {K::Edit, 1026, "", 112, 59, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD wBitsPerSample:", 16, 76, 90, 8, kText},
        {K::Edit, 1027, "", 112, 72, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD cbSize:", 16, 89, 90, 8, kText},
        {K::Edit, 1028, "", 112, 85, 70, 12, kReadOnlyBox},
    };
}

// The iXML page: its main fields and SPEED rates in boxes in two columns, NOTE and FILE_UID
// across the page, then the details box with the tracks and the document. The page names each
// row: label 1070 + row, box 1060 + row.
DialogTemplate IxmlPage() {
    DialogTemplate page = TextPage(151, 230, "iXML chunk", 7, 9, 60);
    const auto addRow = [&page](int nRow, int x, int y, int cxBox) {
        page.controls.push_back({K::Text, 1070 + nRow, "", x, y + 2, 64, 8, kText});
        page.controls.push_back({K::Edit, 1060 + nRow, "", x + 66, y, cxBox, 12, kTextBox});
    };
    constexpr int kLeft = 7, kRight = 137, kHalf = 60, kWhole = 190;
    const int rows[][3] = {
        {kLeft, 22, kHalf},  {kRight, 22, kHalf}, {kLeft, 36, kHalf},   // PROJECT SCENE TAKE
        {kRight, 36, kHalf}, {kLeft, 50, kHalf},  {kLeft, 78, kWhole},  // TAPE CIRCLED NOTE
        {kLeft, 64, kHalf},  {kRight, 64, kHalf}, {kLeft, 92, kWhole},  // rate flag FILE_UID
        {kRight, 50, kHalf},                                            // FILE_SAMPLE_RATE
    };
    for (int nRow = 0; nRow < 10; ++nRow) {
        addRow(nRow, rows[nRow][0], rows[nRow][1], rows[nRow][2]);
    }
    page.controls.push_back({K::Edit, IDC_CHUNK_DETAILS, "", 7, 108, 256, 115, kDetailsBox});
    return page;
}

// The controls of a page whose rows are edited in a table (pages/EditTable): the table from
// y 20, the picker of what to add and the Add and Remove buttons below it, then the details box.
// Hidden: the page shows them when its chunk takes edits.
void AddTableRows(DialogTemplate& page, bool bPicker, int nDown = 0) {
    const int nButtons = bPicker ? 111 : 7;
    page.controls.push_back(
        {K::ListView, 1110, "", 7, 20 + nDown, 256, 98, WS_TABSTOP | WS_BORDER});
    page.controls.push_back(
        {K::PushButton, 1112, "&Add", nButtons, 122 + nDown, 40, 14, WS_TABSTOP});
    page.controls.push_back(
        {K::PushButton, 1113, "&Remove", nButtons + 44, 122 + nDown, 40, 14, WS_TABSTOP});
    if (bPicker) {
        page.controls.push_back({K::ComboBox, 1111, "", 7, 123 + nDown, 100, 12, WS_TABSTOP});
    }
}

// Below its line, the list's type ("LIST INFO"), set by the page; the rest a line lower.
DialogTemplate ListPage() {
    constexpr int kTypeLine = 10;
    DialogTemplate page = DetailsPage(136, 200, "LIST chunk", 7, 9, 38);
    page.controls.push_back({K::Text, 1120, "", 7, 19, 256, 8, kText});
    page.controls[1].y += kTypeLine;
    page.controls[1].cy -= kTypeLine;
    AddTableRows(page, true, kTypeLine);
    return page;
}

DialogTemplate CuePage() {
    DialogTemplate page = DetailsPage(150, 230, "Markers of the cue chunk", 7, 9, 120);
    AddTableRows(page, false);
    return page;
}

// Where a field's row stands on a page of pages/FieldTablePage: its label, then its box.
struct FieldRow {
    int x;
    int y;
    int cxLabel;
    int cxBox;
    int cyBox = 12;
};

// A page whose rows are its chunk kind's fields in the table's order (label 1200 + row, box
// 1300 + row, both named and filled by the page), then, when cyDetails is not 0, the details
// box. Rows past the page's height scroll.
DialogTemplate FieldRowsPage(UINT nID, const std::vector<FieldRow>& rows, int yDetails,
                             int cyDetails) {
    DialogTemplate page{nID, 270, 230, "", kPageFont, 8, kPage, {}};
    for (std::size_t nRow = 0; nRow < rows.size(); ++nRow) {
        const FieldRow& row = rows[nRow];
        const int nOffset = static_cast<int>(nRow);
        const DWORD box = row.cyBox > 12 ? kMultiLineBox | WS_VSCROLL : kTextBox;
        page.controls.push_back(
            {K::Text, 1200 + nOffset, "", row.x, row.y + 2, row.cxLabel, 8, kText});
        page.controls.push_back({K::Edit, 1300 + nOffset, "", row.x + row.cxLabel + 2, row.y,
                                 row.cxBox, row.cyBox, box});
    }
    if (cyDetails > 0) {
        page.controls.push_back(
            {K::Edit, IDC_CHUNK_DETAILS, "", 7, yDetails, 256, cyDetails, kDetailsBox});
    }
    return page;
}

// The rows of a field table page laid out from its fields in the table's order: a short field
// (a number, a date, a time, a text of a few characters) takes half a line, two of them side
// by side; a longer text takes a line; a text of many lines a box of five.
std::vector<FieldRow> FieldTableRows(const FieldTable& table) {
    constexpr int kLine = 14, kLeftLabel = 72, kLeftBox = 52, kRight = 139, kRightLabel = 60,
                  kRightBox = 64, kWhole = 182, kTall = 40;
    std::vector<FieldRow> rows;
    int y = 7;
    bool bRightFree = false;  // the line above has a short field on its left only
    for (const FieldLayout& field : table.fields) {
        if (field.width > 0 && field.width <= 16 && !field.multiLine) {
            if (bRightFree) {
                rows.push_back({kRight, y - kLine, kRightLabel, kRightBox});
                bRightFree = false;
            } else {
                rows.push_back({7, y, kLeftLabel, kLeftBox});
                y += kLine;
                bRightFree = true;
            }
            continue;
        }
        const int cy = field.multiLine ? kTall : 12;
        rows.push_back({7, y, kLeftLabel, kWhole, cy});
        y += cy + 2;
        bRightFree = false;
    }
    return rows;
}

// The page of a kind that shows its fields from its table (pages/KindPages.h), the details box
// below the rows when the kind has details.
DialogTemplate FieldTablePage(UINT nID, const ChunkKind& kind) {
    const std::vector<FieldRow> rows = FieldTableRows(*kind.fieldTables.front());
    int yEnd = 0;
    for (const FieldRow& row : rows) {
        yEnd = std::max(yEnd, row.y + row.cyBox);
    }
    const int yDetails = yEnd + 6;
    return FieldRowsPage(nID, rows, yDetails, kind.details ? std::max(90, 223 - yDetails) : 0);
}

DialogTemplate PcmPage() {
    return {140, 270, 230, "", kPageFont, 8, kPage, FormatRows("WAVE_FORMAT_PCM")};
}

DialogTemplate MpegPage() {
    DialogTemplate page{141, 270, 230, "", kPageFont, 8, kPage, FormatRows("WAVE_FORMAT_MPEG")};
    const std::vector<DialogControl> mpegRows = {
        {K::GroupBox, IDC_STATIC, "WAVE_FORMAT_MPEG:", 7, 103, 183, 120, kText},
        {K::Text, IDC_STATIC, "WORD fwHeadLayer:", 16, 115, 90, 8, kText},
        {K::Edit, 1025, "", 112, 113, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "DWORD dwHeadBitRate:", 16, 128, 90, 8, kText},
        {K::Edit, 1029, "", 112, 126, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD fwHeadMode:", 16, 142, 90, 8, kText},
        {K::Edit, 1030, "", 112, 139, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD fwHeadModeExt:", 16, 154, 90, 8, kText},
        {K::Edit, 1008, "", 112, 152, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD wHeadEmphasis:", 16, 167, 90, 8, kText},
        {K::Edit, 1031, "", 112, 166, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "WORD fwHeadFlags:", 16, 180, 90, 8, kText},
        {K::Edit, 1032, "", 112, 178, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "DWORD dwPTSLow:", 16, 193, 90, 8, kText},
        {K::Edit, 1033, "", 112, 191, 70, 12, kNumberBox},
        {K::Text, IDC_STATIC, "DWORD dwPTSHigh:", 16, 206, 90, 8, kText},
        {K::Edit, 1040, "", 112, 204, 70, 12, kNumberBox},
        // What the coded numbers mean, right of the group (format/FieldMeanings).
        {K::Text, 1060, "", 193, 115, 72, 8, kMeaning},
        {K::Text, 1061, "", 193, 142, 72, 8, kMeaning},
        {K::Text, 1062, "", 193, 167, 72, 8, kMeaning},
        {K::Text, 1063, "", 193, 180, 72, 8, kMeaning},
    };
    page.controls.insert(page.controls.end(), mpegRows.begin(), mpegRows.end());
    return page;
}

DialogTemplate FactPage() {
    return {133,
            270,
            230,
            "",
            kPageFont,
            8,
            kPage,
            {{K::Text, IDC_STATIC, "DWORD dwSampleLength:", 7, 9, 88, 8, kText},
             {K::Edit, 1004, "", 103, 7, 70, 12, kNumberBox}}};
}

DialogTemplate BextPage() {
    return {106,
            270,
            230,
            "",
            kPageFont,
            8,
            kPage,
            {
                {K::Text, IDC_STATIC, "char Description[256]:", 7, 7, 70, 8, kText},
                {K::Edit, 1009, "", 7, 15, 256, 44, kMultiLineBox},
                {K::Text, IDC_STATIC, "CHAR Originator[32]:", 7, 65, 100, 8, kText},
                {K::Edit, 1011, "", 109, 63, 154, 12, kTextBox},
                {K::Text, IDC_STATIC, "CHAR OriginatorReference[32]:", 7, 79, 100, 8, kText},
                {K::Edit, 1010, "", 109, 78, 154, 12, kTextBox},
                {K::Text, IDC_STATIC, "CHAR OriginationDate[10]:", 7, 95, 100, 8, kText},
                {K::Edit, 1013, "", 109, 92, 70, 12, kTextBox},
                {K::Text, IDC_STATIC, "CHAR OriginationTime[8]:", 7, 110, 100, 8, kText},
                {K::Edit, 1014, "", 109, 108, 70, 12, kTextBox},
                {K::Text, IDC_STATIC, "DWORD TimeReferenceLow:", 7, 124, 100, 8, kText},
                {K::Text, IDC_STATIC, "(hex)", 184, 124, 16, 8, kText},
                {K::Edit, 1015, "", 110, 122, 70, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "CHAR CodingHistory[]:", 7, 180, 100, 8, kText},
                {K::Edit, 1012, "", 7, 191, 256, 31, kMultiLineBox | WS_VSCROLL},
                {K::Text, IDC_STATIC, "DWORD TimeReferenceHigh:", 7, 138, 100, 8, kText},
                {K::Text, IDC_STATIC, "(hex)", 184, 138, 16, 8, kText},
                {K::Edit, 1008, "", 110, 136, 70, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "WORD Version:", 7, 152, 100, 8, kText},
                {K::Text, IDC_STATIC, "(version.release)", 184, 152, 52, 8, kText},
                {K::Edit, 1016, "", 110, 150, 70, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "CHAR Reserved[254]:", 7, 166, 100, 8, kText},
                // The time reference as samples, clock time and timecode (bwf/TimeReferenceText).
                {K::Edit, 1101, "", 203, 92, 62, 34, kMultiLineBox | ES_READONLY | WS_VSCROLL},
                // The time reference to store, as timecode or samples (bwf/TimeReferenceBox).
                {K::Text, IDC_STATIC, "Timecode:", 203, 127, 62, 8, kText},
                {K::Edit, 1102, "", 203, 136, 62, 12, kTextBox},
                // Below the page's first height, shown by the chunk's version; the page scrolls.
                {K::Text, 1040, "BYTE UMID[64]:", 7, 232, 100, 8, kText},
                // Beside the UMID, which shows empty while the version has none: it raises it
                // to 1.
                {K::Edit, 1041, "", 7, 242, 202, 22, kMultiLineBox | ES_READONLY},
                {K::PushButton, 1057, "&Generate", 213, 242, 50, 14, WS_VISIBLE | WS_TABSTOP},
                {K::Text, 1042, "WORD LoudnessValue:", 7, 270, 100, 8, kText},
                {K::Edit, 1043, "", 110, 268, 70, 12, kNumberBox},
                {K::Text, 1044, "LUFS", 184, 270, 30, 8, kText},
                {K::Text, 1045, "WORD LoudnessRange:", 7, 284, 100, 8, kText},
                {K::Edit, 1046, "", 110, 282, 70, 12, kNumberBox},
                {K::Text, 1047, "LU", 184, 284, 30, 8, kText},
                {K::Text, 1048, "WORD MaxTruePeakLevel:", 7, 298, 100, 8, kText},
                {K::Edit, 1049, "", 110, 296, 70, 12, kNumberBox},
                {K::Text, 1050, "dBTP", 184, 298, 30, 8, kText},
                {K::Text, 1051, "WORD MaxMomentaryLoudness:", 7, 312, 100, 8, kText},
                {K::Edit, 1052, "", 110, 310, 70, 12, kNumberBox},
                {K::Text, 1053, "LUFS", 184, 312, 30, 8, kText},
                {K::Text, 1054, "WORD MaxShortTermLoudness:", 7, 326, 100, 8, kText},
                {K::Edit, 1055, "", 110, 324, 70, 12, kNumberBox},
                {K::Text, 1056, "LUFS", 184, 326, 30, 8, kText},
            }};
}

DialogTemplate MextPage() {
    // Created hidden: the main window shows it when its tab is selected.
    return {131,
            270,
            230,
            "",
            kPageFont,
            8,
            DS_CHILD,
            {
                {K::Text, IDC_STATIC, "WORD SoundInformation:", 7, 10, 92, 8, kText},
                {K::Edit, 1016, "", 103, 7, 61, 12, kNumberBox},
                // What the SoundInformation bits mean (format/FieldMeanings).
                {K::Text, 1060, "", 168, 10, 97, 8, kMeaning},
                {K::Text, IDC_STATIC, "WORD FrameSize:", 7, 31, 92, 8, kText},
                {K::Edit, 1017, "", 103, 28, 61, 12, kNumberBox},
                {K::Text, IDC_STATIC, "WORD AncillaryDataLength:", 7, 52, 92, 8, kText},
                {K::Edit, 1005, "", 103, 49, 61, 12, kNumberBox},
                {K::Text, IDC_STATIC, "WORD AncillaryDataDef:", 7, 73, 92, 8, kText},
                {K::Edit, 1006, "", 103, 70, 61, 12, kNumberBox},
                {K::Text, IDC_STATIC, "CHAR Reserved[4]:", 7, 94, 92, 8, kText},
                {K::Edit, 1007, "", 103, 91, 61, 12, kNumberBox},
            }};
}

DialogTemplate MainWindow() {
    constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP;
    return {130,
            298,
            287,
            "Ovalis",
            kPageFont,
            8,
            DS_POPUP | DS_ACCEPTFILES,
            {
                {K::TabControl, 1002, "", 7, 7, 284, 252, WS_VISIBLE},
                {K::PushButton, 1019, "&Open...", 7, 266, 37, 14, kButton},
                {K::PushButton, 1021, "&New...", 47, 266, 37, 14, WS_TABSTOP},
                {K::PushButton, 1022, "&Save...", 87, 266, 37, 14, WS_TABSTOP},
                {K::PushButton, 1020, "&Close...", 127, 266, 37, 14, kButton},
                // Confirms a save, between the file's buttons and Exit.
                {K::Text, 1023, "", 168, 269, 83, 8, kText | SS_ENDELLIPSIS},
                {K::PushButton, IDCANCEL, "&Exit", 254, 266, 37, 14, kButton},
            }};
}

DialogTemplate WelcomePage() {
    // Without the style that takes dropped files: a file dropped on the page reaches the main
    // window, which opens it.
    return {139,
            203,
            201,
            "",
            "Arial Black",
            8,
            kPage,
            {
                {K::Picture, IDC_STATIC, "welcome", 68, 14, 66, 61, kText},
                {K::Text, IDC_STATIC,
                 "\n\nOpen a file with the Open... button.\nYou can also drag'n-drop a file on "
                 "the \ncaption of this window.",
                 22, 98, 159, 81, kText | SS_CENTER | SS_DIALOGFRAME},
                // The companion for many files at once, in the frame below its text.
                {K::Text, IDC_STATIC, "Many files at once: ovalis-table", 26, 160, 151, 10,
                 kText | SS_CENTER},
                // Why the last file did not open, until the next one does: the file's path on
                // one line, its middle cut when long, and the reason whole below it.
                {K::Text, 1002, "", 4, 182, 195, 8, kText | SS_CENTER | SS_PATHELLIPSIS},
                {K::Text, 1001, "", 4, 191, 195, 34, kText | SS_CENTER},
            }};
}

DialogTemplate OverviewPage() {
    return {142,
            270,
            230,
            "",
            kPageFont,
            8,
            kPage,
            {
                {K::GroupBox, 1024, "", 14, 9, 175, 48, 0},
                // The whole inside of the group box: the hint names three packages.
                {K::Text, 1025, "", 17, 13, 169, 42, SS_CENTER},
                {K::Text, 1028, "Information about the opened file...", 9, 73, 252, 107, kText},
                {K::PushButton, 1027, "&Convert...", 101, 201, 67, 16, WS_TABSTOP},
                // Below the overview text, a few lines of what the file's chunks say together.
                {K::GroupBox, 1029, "File details", 9, 182, 252, 46, kText},
                {K::Text, 1030, "", 14, 193, 242, 32, kText},
                // Right of the player, in the page's free corner.
                {K::PushButton, 1031, "Chec&k...", 205, 9, 56, 16, WS_VISIBLE | WS_TABSTOP},
                {K::PushButton, 1033, "&Add chunk...", 205, 28, 56, 16, WS_VISIBLE | WS_TABSTOP},
                // Shown once a page holds an edit: the Save button stays hidden.
                {K::Text, 1032, "Edited: Ctrl+S saves, Ctrl+Shift+S saves under another name.", 199,
                 46, 64, 27, 0},
            }};
}

DialogTemplate Ds64Page() {
    return {143,
            270,
            230,
            "",
            kPageFont,
            8,
            kPage,
            {
                {K::Text, IDC_STATIC, "QWORD riffSize:", 7, 9, 88, 8, kText},
                {K::Edit, 1050, "", 103, 7, 100, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "QWORD dataSize:", 7, 23, 88, 8, kText},
                {K::Edit, 1051, "", 103, 21, 100, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "QWORD sampleCount:", 7, 37, 88, 8, kText},
                {K::Edit, 1052, "", 103, 35, 100, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "DWORD tableLength:", 7, 51, 88, 8, kText},
                {K::Edit, 1053, "", 103, 49, 100, 12, kReadOnlyBox},
                {K::Text, IDC_STATIC, "CHUNKSIZE64 table[]:", 7, 67, 100, 8, kText},
                {K::Edit, 1054, "", 7, 78, 256, 80, kMultiLineBox | ES_READONLY | WS_VSCROLL},
            }};
}

// The data chunk's line, then the samples' place and length, and their waveform.
DialogTemplate DataPage() {
    DialogTemplate page = TextPage(134, 200, "data chunk.", 7, 9, 39);
    page.controls.push_back({K::Edit, 1801, "", 7, 22, 256, 12, kReadOnlyBox});
    page.controls.push_back(
        {K::PushButton, 1802, "&Measure levels", 7, 38, 64, 14, WS_VISIBLE | WS_TABSTOP});
    page.controls.push_back({K::GroupBox, 1803, "Waveform", 7, 56, 256, 137, WS_VISIBLE});
    return page;
}

// Stands behind the one tab that groups the chunks past the window's last chunk tab.
DialogTemplate MoreChunksPage() {
    return {144,
            270,
            230,
            "",
            kPageFont,
            8,
            kPage,
            {
                {K::Text, IDC_STATIC,
                 "These chunks have no tab of their own; ovalis-cli info lists every chunk.", 7, 9,
                 256, 8, kText},
                {K::Text, 1001, "", 7, 23, 256, 24, kText},
            }};
}

std::map<UINT, DialogTemplate> AllTemplates() {
    std::map<UINT, DialogTemplate> templates;
    for (DialogTemplate t : {
             DetailsPage(132, 230, "Not supported WAVE format.", 7, 9, 92),
             DataPage(),
             TextPage(135, 200, "RIFF Chunk", 7, 9, 42),
             ListPage(),
             DetailsPage(137, 230, "Unknown Chunk", 7, 7, 60),
             CuePage(),
             DetailsPage(170, 230, "What Ovalis reads of this chunk", 7, 9, 140),
             IxmlPage(),
             PcmPage(),
             MpegPage(),
             FactPage(),
             BextPage(),
             MextPage(),
             Ds64Page(),
             MoreChunksPage(),
             MainWindow(),
             WelcomePage(),
             OverviewPage(),
         }) {
        const UINT nID = t.nID;
        templates.emplace(nID, std::move(t));
    }
    const std::span<const ChunkKind> kinds = ChunkKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (ShowsFieldTablePage(kinds[i])) {
            const UINT nID = kFirstFieldTablePage + static_cast<UINT>(i);
            templates.emplace(nID, FieldTablePage(nID, kinds[i]));
        }
    }
    return templates;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT nID) {
    static const std::map<UINT, DialogTemplate> templates = AllTemplates();
    const auto it = templates.find(nID);
    return it == templates.end() ? nullptr : &it->second;
}
