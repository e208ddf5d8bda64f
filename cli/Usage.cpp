#include "cli/Usage.h"

#include <algorithm>
#include <iostream>

#include "cli/CommandTable.h"
#include "cli/DetailCatalog.h"
#include "cli/Diagnostics.h"
#include "cli/KindNames.h"
#include "core/kinds/ChunkFields.h"

namespace {

constexpr std::size_t kHelpIndent = 10;
constexpr std::size_t kWidth = 96;

CString SynopsisLines() {
    CString strText = "Usage:\n";
    for (const CommandRow& row : CommandRows()) {
        strText +=
            CString("  ovalis-cli ") + row.name + (*row.synopsis ? " " : "") + row.synopsis + "\n";
    }
    return strText;
}

// The words of one paragraph in lines of at most kWidth, each after the first indented.
CString Wrapped(const CString& strParagraph) {
    CString strText;
    std::size_t nColumn = kHelpIndent;
    for (std::size_t start = 0; start < strParagraph.size();) {
        const std::size_t end = std::min(strParagraph.find(' ', start), strParagraph.size());
        const CString strWord = strParagraph.substr(start, end - start);
        if (nColumn > kHelpIndent && nColumn + 1 + strWord.size() > kWidth) {
            strText += "\n" + CString(kHelpIndent, ' ');
            nColumn = kHelpIndent;
        } else if (nColumn > kHelpIndent) {
            strText += ' ';
            ++nColumn;
        }
        strText += strWord;
        nColumn += strWord.size();
        start = end + 1;
    }
    return strText + "\n";
}

CString CommandHelp(const CommandRow& row) {
    CString strText = row.name;
    strText.resize(kHelpIndent, ' ');
    const CString strHelp = WithKindNames(row.help);
    for (std::size_t start = 0; start < strHelp.size();) {
        const std::size_t end = std::min(strHelp.find('\n', start), strHelp.size());
        strText += (start == 0 ? "" : CString(kHelpIndent, ' ')) +
                   Wrapped(strHelp.substr(start, end - start));
        start = end + 1;
    }
    return strText;
}

constexpr const char* kAbout = R"(
Reads and edits RIFF WAVE and Broadcast Wave files through the same chunk model and field
tables as the pages of the Ovalis window, so an edit gives the same bytes as the same edit typed
on the page.

)";

constexpr const char* kNotes = R"(
Saves: set, import, md5 --embed and loudness --write write only the bytes that changed, in
place, when every chunk keeps its size, under a journal beside the file
(FILE.ovalis-journal) that puts the old bytes back if the save is interrupted. Only commands
that write (and recover) apply such a journal, when it names this very file and every byte it
covers holds what the save found or wrote; commands that only read say that a save is pending
and change no byte. Otherwise the file is written
anew beside the old one and replaces it. A save waits up to 5 seconds for another Ovalis save of
the same file, and a file changed by another program since it was read is read again and the
edit applied again (set, import) or refused (md5, loudness). SAVE options:
--rewrite      writes the whole file anew even where the change could be made in place.
--force-owner  lets a file that cannot keep its owner (this user is neither root nor its owner)
               become this user's; without it such a save is refused.

Line breaks in multi-line fields (Description, CodingHistory) are CR LF, as the page stores
them. A file is opened for reading, as the window opens it; set and import then save over it
unless it is read-only.

Exit status: 0 all done, 1 some file failed (each named on standard error; for check, a file
with findings of error severity), 2 wrong usage.
)";

CString FieldList(const FieldTable& table) {
    CString strText = CString("  ") + table.title + ":";
    for (const FieldLayout& field : table.fields) {
        strText += CString(" ") + field.name + (field.stored ? "" : "*");
    }
    return strText + "\n";
}

}  // namespace

CString UsageText() {
    CString strText = SynopsisLines() + kAbout;
    for (const CommandRow& row : CommandRows()) {
        strText += CommandHelp(row);
    }
    strText += CString(kNotes) + "\nFields, by page (* shown only, never stored):\n";
    for (const FieldTable* pTable : FieldTables()) {
        strText += FieldList(*pTable);
    }
    return strText +
           "TimeReferenceLow and TimeReferenceHigh are hexadecimal, as the page shows them.\n" +
           DetailCatalogText();
}

CString VersionText() {
    return CString("ovalis-cli ") + OVALIS_VERSION + "\n";
}

int RunHelp(const Invocation&) {
    std::cout << UsageText() << std::flush;
    return kExitDone;
}

int RunVersion(const Invocation&) {
    std::cout << VersionText() << std::flush;
    return kExitDone;
}
