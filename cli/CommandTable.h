#pragma once
// Every command of ovalis-cli in one row: its name, synopsis, help, options and the function
// that runs it. The parser, --help and the manual page's test read these rows.

#include <span>

#include "cli/CommandLine.h"

// An option a command takes. flag is the member of the invocation it sets; an option with a
// value (given as "--name VALUE" or "--name=VALUE") has none and goes to optionValues. Of the
// options marked oneOf, a command needs exactly one (the table format of export and import).
struct OptionRow {
    const char* name;
    bool Invocation::*flag;
    bool takesValue = false;
    bool oneOf = false;
};

// What follows a command's options.
enum class Operands { None, Files, EditsThenFiles, OneTable, KindThenFiles };

struct CommandRow {
    const char* name;
    std::span<const char* const> aliases = {};
    const char* synopsis;  // after "ovalis-cli NAME"
    // One paragraph per line, wrapped by --help.
    const char* help;
    std::span<const OptionRow> options = {};
    Operands operands;
    int (*run)(const Invocation& invocation);
};

std::span<const CommandRow> CommandRows();
// The row of the command of this name or alias; null for none.
const CommandRow* FindCommand(const CString& strName);
