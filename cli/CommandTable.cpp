#include "cli/CommandTable.h"

#include <algorithm>

#include "cli/CheckCommand.h"
#include "cli/ChunkCommands.h"
#include "cli/ConvertCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LevelsCommand.h"
#include "cli/LoudnessCommand.h"
#include "cli/MarkersCommand.h"
#include "cli/Md5Command.h"
#include "cli/RecoverCommand.h"
#include "cli/RepairCommand.h"
#include "cli/SetCommand.h"
#include "cli/Usage.h"

namespace {

constexpr OptionRow kJsonLines = {"--jsonl", &Invocation::bJsonLines};
constexpr OptionRow kJobs = {"-j", nullptr, true};
constexpr OptionRow kInfo[] = {{"--json", &Invocation::bJson}, kJsonLines};
constexpr OptionRow kCheck[] = {{"--json", &Invocation::bJson},
                                kJsonLines,
                                {"--levels", &Invocation::bLevels},
                                {"--profile", nullptr, true},
                                kJobs};
constexpr OptionRow kLevels[] = {{"--json", &Invocation::bJson},
                                 kJsonLines,
                                 {"--md5", &Invocation::bMd5},
                                 {"--loudness", &Invocation::bLoudness},
                                 kJobs};
// Every command that saves takes the two save options after its own.
constexpr OptionRow kRewrite = {"--rewrite", &Invocation::bRewrite};
constexpr OptionRow kForceOwner = {"--force-owner", &Invocation::bForceOwner};
constexpr OptionRow kDryRun[] = {{"--dry-run", &Invocation::bDryRun}, kRewrite, kForceOwner};
constexpr OptionRow kSet[] = {{"--dry-run", &Invocation::bDryRun},
                              {"--add", &Invocation::bAdd},
                              {"--strict", &Invocation::bStrict},
                              {"--mirror", &Invocation::bMirror},
                              {"--from-name", nullptr, true},
                              {"--date-from-file", &Invocation::bDateFromFile},
                              {"--axml", nullptr, true},
                              kRewrite,
                              kForceOwner};
constexpr OptionRow kRemove[] = {{"--filler", &Invocation::bFiller}, kRewrite, kForceOwner};
constexpr OptionRow kMarkers[] = {{"--add", nullptr, true},
                                  {"--move", nullptr, true},
                                  {"--rename", nullptr, true},
                                  {"--note", nullptr, true},
                                  {"--remove", nullptr, true},
                                  {"--json", &Invocation::bJson},
                                  kRewrite,
                                  kForceOwner};
constexpr OptionRow kSave[] = {kRewrite, kForceOwner};
constexpr OptionRow kConvert[] = {
    {"--riff", &Invocation::bRiff, false, true}, kRewrite, kForceOwner};
constexpr OptionRow kCsv = {"--csv", &Invocation::bCsv, false, true};
constexpr OptionRow kJsonTable = {"--json", &Invocation::bJson, false, true};
constexpr OptionRow kExport[] = {kCsv, kJsonTable, {"--axml", &Invocation::bAxml, false, true}};
constexpr OptionRow kImport[] = {
    kCsv,     kJsonTable, {"--dry-run", &Invocation::bDryRun}, {"--strict", &Invocation::bStrict},
    kRewrite, kForceOwner};
constexpr OptionRow kMd5[] = {{"--verify", &Invocation::bVerify},
                              {"--embed", &Invocation::bEmbed},
                              kJobs,
                              kRewrite,
                              kForceOwner};
constexpr OptionRow kRepair[] = {{"--dry-run", &Invocation::bDryRun},
                                 {"--output", nullptr, true},
                                 {"--force", &Invocation::bForce}};
constexpr OptionRow kWrite[] = {{"--write", &Invocation::bWrite}, kRewrite, kForceOwner};
constexpr OptionRow kLoudness[] = {{"--write", &Invocation::bWrite}, kJobs, kRewrite, kForceOwner};
constexpr OptionRow kLevl[] = {
    {"--write", &Invocation::bWrite, false, true}, kRewrite, kForceOwner};
constexpr const char* kHelpAliases[] = {"help", "-h"};

constexpr const char* kInfoHelp =
    "lists, for each file, the chunks (tab name, id as stored, declared size, data offset), the "
    "overview text, the file details (format, channels, duration, time reference), the fields of "
    "every {field kinds} chunk, and the details of every {detail kinds} chunk, as listed under "
    "Details below: the fields of every "
    "format tag with the channel mask's speakers and the sub-format, the time reference as "
    "samples, seconds, time and timecode, the iXML fields, tracks and document, the INFO entries "
    "with their field names, the labels, notes and labelled texts of adtl lists, the markers of "
    "cue points (position as samples, time and timecode, with their labels and notes), the "
    "timers of every {marker kinds} chunk and the sampler's loops. Timecode runs at the rate of "
    "the iXML SPEED "
    "element, else at 25 fps. Texts of INFO and adtl entries are read as UTF-8 "
    "when they are, else as Windows-1252; a chunk id matches in any case. Control characters of "
    "texts and paths are shown escaped (\\xNN, C1 as \\u00NN). A table of more than 1,000 rows "
    "shows its first 1,000 and a document longer than 256 KiB and than twice its chunk shows its "
    "start, each with a note of what was left out and the command that gives it all (markers, "
    "export --json, export --axml).\n"
    "--json: one JSON document {\"files\": [...]}; each file has \"path\" and either \"error\" or "
    "\"form\", \"overview\", \"chunks\" and \"details\" (the file details, name and text), and "
    "\"note\" when the load left something out; each chunk has \"tab\", \"id\", \"size\", "
    "\"offset\", for a chunk whose page shows fields \"fields\" (numbers as numbers, texts as "
    "strings, null for a field the chunk's data does not hold), and for a chunk with details "
    "\"details\": a list of tables, each with \"title\" and, as it has them, \"rows\" (objects "
    "keyed by column, every cell a string) and \"text\" (a document, or a note on the table). "
    "--jsonl: each file's object alone on a line of its own, written as the file is read.";

constexpr CommandRow kRows[] = {
    {.name = "info",
     .synopsis = "[--json|--jsonl] FILE...",
     .help = kInfoHelp,
     .options = kInfo,
     .operands = Operands::Files,
     .run = RunInfo},
    {.name = "set",
     .synopsis = "[--dry-run] [--add] [--strict] [--mirror] [--from-name REGEX] "
                 "[--date-from-file] [--axml DOCUMENT] [SAVE] FIELD=VALUE... [--] FILE...",
     .help = "stores each VALUE in FIELD of every chunk that has it, as the page stores what is "
             "typed, then saves the file over itself as the window's save does. A file lacking "
             "the chunk of a field is reported and left untouched. --dry-run prints what would "
             "change instead.\n"
             "Beyond the fields listed below: TimeReference (samples, or timecode hh:mm:ss:ff at "
             "the file's rate, ';' before the frames for drop frame, or at a rate given after "
             "'@': 23.976, 24, 25, 29.97, 30, 50, 59.94, 60), UMID (generate, generate-time, 32 "
             "or 64 bytes in hexadecimal, or empty), Version (0, 1 or 2), INFO:ID (an INFO entry "
             "by its four-letter id, e.g. INFO:IARL; empty removes it; ICRD takes an ISO 8601 "
             "date) and IXML:NAME (PROJECT, SCENE, TAKE, TAPE, CIRCLED, NOTE, FILE_UID, "
             "SPEED.MASTER_SPEED and the SPEED block's other rates, TRACKn.NAME and "
             "TRACKn.FUNCTION of the track whose CHANNEL_INDEX is n). A UMID or a loudness "
             "field raises the bext version to the one that holds it.\n"
             "--add adds a missing chunk: bext (version 0) and iXML before the samples, in a "
             "filler chunk's room when one has it; LIST INFO as the last chunk. --strict fails a "
             "file whose text or number is longer than its field, or whose nBlockAlign or "
             "nAvgBytesPerSec the edit leaves disagreeing; without it the value is cut or "
             "stored and a note says so. --mirror: an IXML edit of PROJECT, SCENE, TAKE, TAPE, "
             "CIRCLED or NOTE "
             "also sets the bext description's lines that mirror it (sSCENE=...). --from-name "
             "REGEX: the named groups of a regular expression matched against the file's name "
             "(e.g. '(?<Originator>[^_]+)_(?<IXML:TAKE>\\d+)') give fields. "
             "--date-from-file: OriginationDate and OriginationTime from the file's "
             "modification time (local time). --axml DOCUMENT: the ADM document of that file "
             "replaces the one of the axml chunk (or is compressed into the bxml chunk); with "
             "--add, a file with neither gets an axml chunk at its end.",
     .options = kSet,
     .operands = Operands::EditsThenFiles,
     .run = RunSet},
    {.name = "add",
     .synopsis = "[SAVE] CHUNK FILE...",
     .help = "adds an empty chunk to each file that lacks it: {new chunks}. A file that has one "
             "is left as it is.",
     .options = kSave,
     .operands = Operands::KindThenFiles,
     .run = RunAdd},
    {.name = "remove",
     .synopsis = "[--filler] [SAVE] CHUNK FILE...",
     .help = "removes the first chunk of that id from each file (INFO and adtl name LIST "
             "chunks of that list type); the chunks that hold the format and the samples are "
             "never removed. --filler puts a JUNK chunk of the same size in its place, so that "
             "the other chunks keep their places and the save writes in place.",
     .options = kRemove,
     .operands = Operands::KindThenFiles,
     .run = RunRemove},
    {.name = "convert",
     .synopsis = "--riff [SAVE] FILE...",
     .help = "makes each RF64 or BW64 file whose form fits in 4 GiB a RIFF file: the form and "
             "the data chunk get their real sizes and the ds64 chunk becomes a JUNK chunk of "
             "its size, so the samples stay where they are and the save writes in place. (A "
             "RIFF file that a save takes past 4 GiB becomes RF64 by itself.)",
     .options = kConvert,
     .operands = Operands::Files,
     .run = RunConvert},
    {.name = "markers",
     .synopsis = "[--json] [--add POS[+LENGTH][=LABEL]] [--move ID=POS] [--rename ID=LABEL] "
                 "[--note ID=TEXT] [--remove ID] [SAVE] FILE...",
     .help = "lists each file's markers (cue points with the labels and notes of its adtl "
             "list): id, position in samples, time and timecode, label, note. With edits, "
             "applies them in the order given and saves: POS is a sample count or a timecode "
             "(the time of day, as the time reference and the listing count it, at the file's "
             "rate or one given after '@'); each option may come many times. With +LENGTH (samples "
             "or timecode), --add adds a region, listed with its end and duration. A position "
             "past the samples, or an id no marker has, fails the file.",
     .options = kMarkers,
     .operands = Operands::Files,
     .run = RunMarkers},
    {.name = "export",
     .synopsis = "--csv|--json FILE...|--axml FILE",
     .help = "--csv writes a CSV table to standard output: a header row, then one row per "
             "file with its path, the bext text fields, the time reference, the UMID, and "
             "every INFO entry and iXML field that some file holds (INFO:ID, IXML:NAME). "
             "--json writes one document {\"files\": [...]}; each file has \"path\", "
             "\"values\" (every editable value it holds, by the names set takes) and "
             "\"markers\" (id, position, label, note). --axml writes the ADM document of one "
             "file's axml chunk (or its bxml chunk, inflated).",
     .options = kExport,
     .operands = Operands::Files,
     .run = RunExport},
    {.name = "import",
     .synopsis = "--csv|--json [--dry-run] [--strict] [SAVE] TABLE",
     .help = "applies such a table or document (TABLE may be - for standard input): a row "
             "per file path, an empty cell leaves a field as it is, columns of fields that are "
             "shown only are ignored. CSV as in RFC 4180; line breaks inside quoted cells are "
             "kept. A JSON document sets every value it gives and makes the markers those "
             "given. An export imported unchanged changes no byte.",
     .options = kImport,
     .operands = Operands::OneTable,
     .run = RunImport},
    {.name = "md5",
     .synopsis = "[--verify|--embed [SAVE]] [-j N] FILE...",
     .help = "prints the MD5 of each file's samples (the data chunk's payload as stored), as "
             "md5sum prints it. --verify compares it with the checksum the file stores in its "
             "\"MD5 \" chunk (matches, differs, no checksum stored; all but a match fail the "
             "file). --embed stores it in that chunk, added after the data chunk when missing, "
             "and saves; the save reads the written samples back and keeps the old file if "
             "their MD5 differs. -j N: N files at a time (default: one per core; one when saving), "
             "output in the order of the files.",
     .options = kMd5,
     .operands = Operands::Files,
     .run = RunMd5},
    {.name = "loudness",
     .synopsis = "[--write [SAVE]] [-j N] FILE...",
     .help = "measures each file (EBU R 128, ITU-R BS.1770-4): integrated loudness, loudness "
             "range, maximum true peak, maximum momentary and short-term loudness. --write "
             "stores them in the bext chunk's version 2 fields (x 100) and raises its version "
             "to 2; a bext chunk too short for them is never grown, and a file without one is "
             "left untouched. -j N: N files at a time (default: one per core; one with --write), "
             "output in the order of the files.",
     .options = kLoudness,
     .operands = Operands::Files,
     .run = RunLoudness},
    {.name = "check",
     .synopsis = "[--json|--jsonl] [--levels] [--profile NAME] [-j N] FILE...",
     .help = "lists each file's findings: severity (error, warning, note), rule id, chunk, "
             "offset and a sentence, under a line that says \"clean\" when nothing was found, "
             "else \"no errors, 2 warnings, 1 note\"; a file with an error fails. The JSON's "
             "\"clean\" is true for a file without errors. --json: one JSON "
             "document {\"profile\": NAME, \"files\": [...]}; each file has \"path\", "
             "\"clean\" and \"findings\" (severity, rule, chunk, offset, sentence). --jsonl: "
             "each file's object, with its \"profile\", on a line of its own, written as the "
             "file is done.\n"
             "--profile NAME: general (the default), fadgi (adds the FADGI Broadcast WAVE "
             "guidelines, rules fadgi-*: bext required and recommended fields, Originator "
             "\"CC, NAME\", dates yyyy-mm-dd and times hh:mm:ss, INFO IARL and ICRD, the MD5 "
             "chunk) or ebu (adds rules ebu-*: the coding history's grammar of EBU R 98, the "
             "OriginatorReference as the unique source identifier of EBU R 99, the loudness "
             "fields of bext version 2). A rule's id never changes.\n"
             "--levels also measures the samples (see levels) and adds, per channel, the "
             "findings level-clipping (runs of 3 or more samples at full scale), level-dc-offset "
             "(a mean over -60 dBFS), level-dropout (runs of exact zeros of 1 ms or more inside "
             "the audio) as warnings, and level-silence (such runs at the start or the end, or "
             "of 1 s or more) as a note, each at the first run in the samples. -j N: N files "
             "at a time (default: one per core), output in the order of the files.",
     .options = kCheck,
     .operands = Operands::Files,
     .run = RunCheck},
    {.name = "levels",
     .synopsis = "[--json|--jsonl] [--md5] [--loudness] [-j N] FILE...",
     .help = "measures each file's samples in one read: per channel the peak (dBFS, and the "
             "frame it is at), RMS, DC offset (the mean), runs of clipped samples (3 or more "
             "at full scale: count and longest), dropouts (runs of exact zeros of 1 ms or more "
             "inside the audio: count and longest) and digital silence (such runs at the start "
             "or the end, or of 1 s or more: count and samples), and the correlation of each "
             "pair of channels (of neighbouring pairs past 8 channels). --md5 and --loudness "
             "add the samples' MD5 and loudness, taken from the same read. --json: one JSON "
             "document {\"files\": [...]}; --jsonl: each file's object on a line of its own, "
             "written as the file is done. -j N: N files at a time (default: one per core), output "
             "in the order of the files.",
     .options = kLevels,
     .operands = Operands::Files,
     .run = RunLevels},
    {.name = "levl",
     .synopsis = "--write [SAVE] FILE...",
     .help = "measures each file's samples and stores their peak envelope in its levl chunk "
             "(EBU Tech 3285 supplement 3: the positive and negative peak of each block of 256 "
             "frames, or more for a long file, as 16-bit points), added after the data chunk "
             "when missing, and saves.",
     .options = kWrite,
     .operands = Operands::Files,
     .run = RunLevl},
    {.name = "recover",
     .synopsis = "FILE...",
     .help = "finishes a save of each file that was interrupted (by a crash, a kill or a full "
             "disk), as the journal beside it (FILE.ovalis-journal) allows: a save cut short "
             "is rolled back, the old bytes put back; a save that had written everything is "
             "kept. A journal is applied only when it is whole, belongs to the file's owner (or "
             "root), names this very file (device and inode) and every byte it covers holds what "
             "that save found or what it wrote; otherwise it is reported with what differs, "
             "both are left as they are and the file fails. Commands that only read never "
             "apply a journal: they say that a save is pending.",
     .operands = Operands::Files,
     .run = RunRecover},
    {.name = "repair",
     .synopsis = "[--dry-run] [--force] FILE --output NEW",
     .help = "writes NEW, a copy of FILE with its structure mended: the form's size (and ds64's "
             "sizes in an RF64 form), each chunk's size cut to the bytes the file holds, a data "
             "size left at 0 or 0xFFFFFFFF by a recording never closed, a missing pad byte "
             "added, a second data chunk turned into a JUNK chunk, chunks after the form's end "
             "brought inside it, and stray bytes at the end kept in a JUNK chunk. Every payload, "
             "the samples among them, is copied unchanged; FILE is only read, and NEW may not "
             "name it, in any spelling or through a link. NEW is written beside its name and put "
             "there only once complete, only where nothing is: an existing file is replaced "
             "only with --force, and a folder, device, FIFO, socket or link is refused. Each "
             "repair is listed: chunk, offset, what changed from what to what, and why. "
             "--dry-run lists them and writes nothing.",
     .options = kRepair,
     .operands = Operands::Files,
     .run = RunRepair},
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
