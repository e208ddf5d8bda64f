#include "cli/CommandTable.h"

#include <algorithm>

#include "cli/CheckCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LoudnessCommand.h"
#include "cli/Md5Command.h"
#include "cli/SetCommand.h"
#include "cli/Usage.h"

namespace {

constexpr OptionRow kJson[] = {{"--json", &Invocation::bJson}};
constexpr OptionRow kDryRun[] = {{"--dry-run", &Invocation::bDryRun}};
constexpr OptionRow kCsv[] = {{"--csv", nullptr}};
constexpr OptionRow kCsvDryRun[] = {{"--csv", nullptr}, {"--dry-run", &Invocation::bDryRun}};
constexpr OptionRow kMd5[] = {{"--verify", &Invocation::bVerify}, {"--embed", &Invocation::bEmbed}};
constexpr OptionRow kWrite[] = {{"--write", &Invocation::bWrite}};
constexpr const char* kHelpAliases[] = {"help", "-h"};

constexpr const char* kInfoHelp =
    "lists, for each file, the chunks (tab name, id as stored, declared size, data offset), the "
    "overview text, the file details (format, channels, duration, time reference), the fields of "
    "every fmt, fact, bext and mext chunk, and the details of every fmt, bext, iXML, LIST and cue "
    "chunk, as listed under Details below: the fields of every format tag with the channel "
    "mask's speakers and the sub-format, the time reference as samples, seconds, time and "
    "timecode, the iXML fields, tracks and document, the INFO entries with their field names, "
    "the labels, notes and labelled texts of adtl lists, and the markers of cue points (position "
    "as samples, time and timecode, with their labels and notes). Timecode runs at the rate of "
    "the iXML SPEED element, else at 25 fps. Texts of INFO and adtl entries are read as UTF-8 "
    "when they are, else as Windows-1252; a chunk id matches in any case. Control characters of "
    "texts and paths are shown escaped (\\xNN, C1 as \\u00NN).\n"
    "--json: one JSON document {\"files\": [...]}; each file has \"path\" and either \"error\" or "
    "\"form\", \"overview\", \"chunks\" and \"details\" (the file details, name and text), and "
    "\"note\" when the load left something out; each chunk has \"tab\", \"id\", \"size\", "
    "\"offset\", for a chunk whose page shows fields \"fields\" (numbers as numbers, texts as "
    "strings, null for a field the chunk's data does not hold), and for a chunk with details "
    "\"details\": a list of tables, each with \"title\" and, as it has them, \"rows\" (objects "
    "keyed by column, every cell a string) and \"text\" (a document, or a note on the table).";

constexpr CommandRow kRows[] = {
    {.name = "info",
     .synopsis = "[--json] FILE...",
     .help = kInfoHelp,
     .options = kJson,
     .operands = Operands::Files,
     .run = RunInfo},
    {.name = "set",
     .synopsis = "[--dry-run] FIELD=VALUE... [--] FILE...",
     .help = "stores each VALUE in FIELD of every chunk that has it, as the page stores what is "
             "typed, then saves the file over itself as the window's save does. A file lacking "
             "the chunk of a field is reported and left untouched. --dry-run prints what would "
             "change instead.",
     .options = kDryRun,
     .operands = Operands::EditsThenFiles,
     .run = RunSet},
    {.name = "export",
     .synopsis = "--csv FILE...",
     .help = "writes a CSV table to standard output: a header row, then one row per file with "
             "its path, the bext text fields and the time reference.",
     .options = kCsv,
     .operands = Operands::Files,
     .run = RunExport},
    {.name = "import",
     .synopsis = "--csv [--dry-run] TABLE",
     .help = "applies such a table (TABLE may be - for standard input): a row per file path, an "
             "empty cell leaves a field as it is, columns of fields that are shown only are "
             "ignored. CSV as in RFC 4180; line breaks inside quoted cells are kept.",
     .options = kCsvDryRun,
     .operands = Operands::OneTable,
     .run = RunImport},
    {.name = "md5",
     .synopsis = "[--verify|--embed] FILE...",
     .help = "prints the MD5 of each file's samples (the data chunk's payload as stored), as "
             "md5sum prints it. --verify compares it with the checksum the file stores in its "
             "\"MD5 \" chunk (matches, differs, no checksum stored; all but a match fail the "
             "file). --embed stores it in that chunk, added after the data chunk when missing, "
             "and saves; the save reads the written samples back and keeps the old file if "
             "their MD5 differs.",
     .options = kMd5,
     .operands = Operands::Files,
     .run = RunMd5},
    {.name = "loudness",
     .synopsis = "[--write] FILE...",
     .help = "measures each file (EBU R 128, ITU-R BS.1770-4): integrated loudness, loudness "
             "range, maximum true peak, maximum momentary and short-term loudness. --write "
             "stores them in the bext chunk's version 2 fields (x 100) and raises its version "
             "to 2; a bext chunk too short for them is never grown, and a file without one is "
             "left untouched.",
     .options = kWrite,
     .operands = Operands::Files,
     .run = RunLoudness},
    {.name = "check",
     .synopsis = "[--json] FILE...",
     .help = "lists each file's findings: severity (error, warning, note), rule, chunk, offset "
             "and a sentence. A file with warnings only is clean. --json: one JSON document "
             "{\"files\": [...]}; each file has \"path\", \"clean\" and \"findings\".",
     .options = kJson,
     .operands = Operands::Files,
     .run = RunCheck},
    {.name = "--help",
     .aliases = kHelpAliases,
     .synopsis = "",
     .help = "prints this text.",
     .operands = Operands::None,
     .run = RunHelp},
    {.name = "--version",
     .synopsis = "",
     .help = "prints the program's version.",
     .operands = Operands::None,
     .run = RunVersion},
};

bool IsCalled(const CommandRow& row, const CString& strName) {
    return strName == row.name ||
           std::find(row.aliases.begin(), row.aliases.end(), strName) != row.aliases.end();
}

}  // namespace

std::span<const CommandRow> CommandRows() {
    return kRows;
}

const CommandRow* FindCommand(const CString& strName) {
    const auto it =
        std::find_if(std::begin(kRows), std::end(kRows),
                     [&strName](const CommandRow& row) { return IsCalled(row, strName); });
    return it == std::end(kRows) ? nullptr : &*it;
}
