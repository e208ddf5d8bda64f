#include "cli/Usage.h"

#include "cli/DetailCatalog.h"
#include "core/fields/ChunkFields.h"

namespace {

constexpr const char* kCommands =
    R"(Usage:
  ovalis-cli info [--json] FILE...
  ovalis-cli set [--dry-run] [SAVE] FIELD=VALUE... [--] FILE...
  ovalis-cli export --csv FILE...
  ovalis-cli import --csv [--dry-run] [SAVE] TABLE
  ovalis-cli md5 [--verify|--embed [SAVE]] FILE...
  ovalis-cli loudness [--write [SAVE]] FILE...
  ovalis-cli check [--json] FILE...
  ovalis-cli --help | --version

Reads and edits RIFF WAVE and Broadcast Wave files through the same chunk model and field
tables as the pages of the Ovalis window, so an edit gives the same bytes as the same edit typed
on the page.

info      lists, for each file, the chunks (tab name, id as stored, declared size, data offset),
          the overview text, the file details (format, channels, duration, time reference),
          the fields of every fmt, fact, bext and mext chunk, and the details of every fmt,
          bext, iXML, LIST and cue chunk, as listed under Details below: the fields of every
          format tag with the channel mask's speakers and the sub-format, the time reference as
          samples, seconds, time and timecode, the iXML fields, tracks and document, the INFO
          entries with their field names, the labels, notes and labelled texts of adtl lists,
          and the markers of cue points (position as samples, time and timecode, with their
          labels and notes). Timecode runs at the rate of the iXML SPEED element, else at 25
          fps. Texts of INFO and adtl entries are read as UTF-8 when they are, else as
          Windows-1252; a chunk id matches in any case.
          --json: one JSON document {"files": [...]}; each file has "path" and either "error"
          or "form", "overview", "chunks" and "details" (the file details, name and text), and
          "note" when the load left something out; each chunk has "tab", "id", "size",
          "offset", for a chunk whose page shows fields "fields" (numbers as numbers, texts as
          strings, null for a field the chunk's data does not hold), and for a chunk with
          details "details": a list of tables, each with "title" and, as it has them, "rows"
          (objects keyed by column, every cell a string) and "text" (a document, or a note on
          the table).
set       stores each VALUE in FIELD of every chunk that has it, as the page stores what is
          typed, then saves the file over itself as the window's save does. A file lacking the
          chunk of a field is reported and left untouched. --dry-run prints what would change
          instead.
export    writes a CSV table to standard output: a header row, then one row per file with its
          path, the bext text fields and the time reference.
import    applies such a table (TABLE may be - for standard input): a row per file path, an
          empty cell leaves a field as it is, columns of fields that are shown only are ignored.
          CSV as in RFC 4180; line breaks inside quoted cells are kept.
md5       prints the MD5 of each file's samples (the data chunk's payload as stored), as
          md5sum prints it. --verify compares it with the checksum the file stores in its
          "MD5 " chunk (matches, differs, no checksum stored; all but a match fail the file).
          --embed stores it in that chunk, added after the data chunk when missing, and saves;
          the save reads the written samples back and keeps the old file if their MD5 differs.
loudness  measures each file (EBU R 128, ITU-R BS.1770-4): integrated loudness, loudness
          range, maximum true peak, maximum momentary and short-term loudness. --write stores
          them in the bext chunk's version 2 fields (x 100) and raises its version to 2; a bext
          chunk too short for them is never grown, and a file without one is left untouched.
check     lists each file's findings: severity (error, warning, note), rule, chunk, offset and a
          sentence. A file with warnings only is clean. --json: one JSON document {"files":
          [...]}; each file has "path", "clean" and "findings".

Saves: set, import, md5 --embed and loudness --write write only the bytes that changed, in
place, when every chunk keeps its size, under a journal beside the file
(FILE.ovalis-journal) that puts the old bytes back if the save is interrupted; any Ovalis
program that opens the file then rolls it back first and says so. Otherwise the file is written
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
    CString strText = CString(kCommands) + "\nFields, by page (* shown only, never stored):\n";
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
