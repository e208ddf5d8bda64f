#pragma once
// The command line of ovalis-cli, taken apart and checked before any file is opened.

#include <variant>
#include <vector>

#include "core/base/Types.h"

struct CommandRow;

struct Assignment {
    CString strName;
    CString strValue;
};

struct Invocation {
    const CommandRow* pCommand = nullptr;  // a row of the command table
    bool bJson = false;
    bool bJsonLines = false;  // info, check, levels: one JSON object per file, as each is done
    bool bLevels = false;     // check: the level findings too
    bool bMd5 = false;        // levels: the MD5 of the same read
    bool bLoudness = false;   // levels: the loudness of the same read
    bool bDryRun = false;
    bool bVerify = false;        // md5: compare with the stored checksum
    bool bEmbed = false;         // md5: store the checksum in the file
    bool bWrite = false;         // loudness: store the values in the bext chunk
    bool bRewrite = false;       // saves: write the whole file anew, never in place
    bool bForceOwner = false;    // saves: a file that cannot keep its owner becomes this user's
    bool bCsv = false;           // export, import: the table format
    bool bAxml = false;          // export: the ADM document of one file
    bool bAdd = false;           // set: a file lacking a field's chunk gets one
    bool bStrict = false;        // set, import: a text longer than its field fails the file
    bool bMirror = false;        // set: iXML edits also set the bext description's mirror lines
    bool bDateFromFile = false;  // set: the origination date and time from the file's time
    bool bFiller = false;        // remove: a filler chunk of the same size takes its place
    bool bRiff = false;          // convert: to a RIFF form
    bool bForce = false;         // repair: the output may replace a regular file
    std::vector<Assignment> assignments;
    // Options given with a value ("--from-name", "REGEX"), in the order given.
    std::vector<Assignment> optionValues;
    CString strKind;             // add, remove: the chunk named before the files
    std::vector<CString> files;  // for import, the one table

    // The value of the last option of that name, or null.
    const CString* OptionValue(const char* pName) const;
};

// The invocation, or the reason the command line is wrong.
std::variant<Invocation, CString> ParseCommandLine(const std::vector<CString>& args);
// Whether the value may be stored in the field: a name of a stored field, and for a number
// field a text the number rule takes. Empty when it may; otherwise why not.
CString CheckAssignment(const Assignment& assignment);
