#include "cli/CommandLine.h"

#include <algorithm>
#include <map>

#include "cli/FieldCatalog.h"
#include "core/fields/PositiveInteger.h"

namespace {

const std::map<CString, Command> kCommands = {
    {"info", Command::Info},         {"set", Command::Set},           {"export", Command::Export},
    {"import", Command::Import},     {"help", Command::Help},         {"--help", Command::Help},
    {"-h", Command::Help},           {"--version", Command::Version}, {"md5", Command::Md5},
    {"loudness", Command::Loudness}, {"check", Command::Check},
};

struct Words {
    std::vector<CString> options;
    std::vector<CString> operands;
};

// Options may stand anywhere before "--"; everything after it is an operand.
Words SplitOptions(const std::vector<CString>& args) {
    Words words;
    bool bOptionsEnded = false;
    for (const CString& arg : args) {
        if (!bOptionsEnded && arg == "--") {
            bOptionsEnded = true;
            words.operands.push_back(arg);
        } else if (!bOptionsEnded && arg.size() > 1 && arg[0] == '-') {
            words.options.push_back(arg);
        } else {
            words.operands.push_back(arg);
        }
    }
    return words;
}

bool IsHelpOption(const CString& option) {
    return option == "--help" || option == "-h";
}

bool Accepts(Command command, const CString& option) {
    if (option == "--json") {
        return command == Command::Info || command == Command::Check;
    }
    if (option == "--verify" || option == "--embed") {
        return command == Command::Md5;
    }
    if (option == "--write") {
        return command == Command::Loudness;
    }
    if (option == "--dry-run") {
        return command == Command::Set || command == Command::Import;
    }
    if (option == "--csv") {
        return command == Command::Export || command == Command::Import;
    }
    if (option == "--rewrite" || option == "--force-owner") {
        return command == Command::Set || command == Command::Import || command == Command::Md5 ||
               command == Command::Loudness;
    }
    return IsHelpOption(option);
}

CString TakeOptions(Invocation& invocation, const std::vector<CString>& options) {
    bool bHelp = false;
    for (const CString& option : options) {
        if (!Accepts(invocation.command, option)) {
            return "unknown option '" + option + "' here";
        }
        invocation.bJson |= option == "--json";
        invocation.bDryRun |= option == "--dry-run";
        invocation.bVerify |= option == "--verify";
        invocation.bEmbed |= option == "--embed";
        invocation.bWrite |= option == "--write";
        invocation.bRewrite |= option == "--rewrite";
        invocation.bForceOwner |= option == "--force-owner";
        bHelp |= IsHelpOption(option);
    }
    if (bHelp) {
        invocation.command = Command::Help;
    }
    return invocation.bVerify && invocation.bEmbed ? "md5 takes --verify or --embed, not both"
                                                   : CString();
}

// Leading FIELD=VALUE words are assignments; the first other word, or "--", starts the files.
CString TakeAssignments(Invocation& invocation, std::vector<CString>& operands) {
    auto it = operands.begin();
    for (; it != operands.end() && *it != "--" && it->find('=') != CString::npos; ++it) {
        const std::size_t nEquals = it->find('=');
        Assignment assignment{it->substr(0, nEquals), it->substr(nEquals + 1)};
        if (CString strProblem = CheckAssignment(assignment); !strProblem.empty()) {
            return strProblem;
        }
        invocation.assignments.push_back(std::move(assignment));
    }
    operands.erase(operands.begin(), it);
    return invocation.assignments.empty() ? "set needs at least one FIELD=VALUE" : CString();
}

CString CheckOperands(const Invocation& invocation) {
    switch (invocation.command) {
        case Command::Info:
        case Command::Set:
        case Command::Export:
        case Command::Md5:
        case Command::Loudness:
        case Command::Check:
            return invocation.files.empty() ? "no file named" : CString();
        case Command::Import:
            return invocation.files.size() == 1 ? CString() : "import takes one table";
        case Command::Help:
        case Command::Version:
            return CString();
    }
    return CString();
}

CString CheckCsvOption(const Invocation& invocation, const std::vector<CString>& options) {
    const bool bCsv = std::find(options.begin(), options.end(), "--csv") != options.end();
    const bool bNeedsCsv =
        invocation.command == Command::Export || invocation.command == Command::Import;
    return bNeedsCsv && !bCsv ? "export and import need --csv, the one table format" : CString();
}

}  // namespace

CString CheckAssignment(const Assignment& assignment) {
    if (!IsKnownField(assignment.strName)) {
        return "unknown field '" + assignment.strName + "'";
    }
    if (!IsStoredField(assignment.strName)) {
        return "field '" + assignment.strName + "' is shown only: its page never stores it";
    }
    if (IsNumberField(assignment.strName) && !ParsePositiveInteger(assignment.strValue)) {
        return assignment.strName + "=" + assignment.strValue +
               ": not a positive integer (as the page would say: \"Please enter a positive "
               "integer.\")";
    }
    return CString();
}

std::variant<Invocation, CString> ParseCommandLine(const std::vector<CString>& args) {
    Invocation invocation;
    if (args.empty()) {
        return CString("no command given");
    }
    const auto command = kCommands.find(args.front());
    if (command == kCommands.end()) {
        return "unknown command '" + args.front() + "'";
    }
    invocation.command = command->second;
    Words words = SplitOptions({args.begin() + 1, args.end()});
    CString strProblem = TakeOptions(invocation, words.options);
    if (strProblem.empty() && invocation.command == Command::Set) {
        strProblem = TakeAssignments(invocation, words.operands);
    }
    if (strProblem.empty()) {
        strProblem = CheckCsvOption(invocation, words.options);
    }
    if (!strProblem.empty()) {
        return strProblem;
    }
    if (const auto it = std::find(words.operands.begin(), words.operands.end(), "--");
        it != words.operands.end()) {
        words.operands.erase(it);
    }
    invocation.files = std::move(words.operands);
    if (invocation.command == Command::Help || invocation.command == Command::Version) {
        return invocation;
    }
    strProblem = CheckOperands(invocation);
    if (!strProblem.empty()) {
        return strProblem;
    }
    return invocation;
}
