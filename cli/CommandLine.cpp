#include "cli/CommandLine.h"

#include <algorithm>

#include "cli/CommandTable.h"
#include "cli/FieldCatalog.h"
#include "core/fields/PositiveInteger.h"

namespace {

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

const OptionRow* FindOption(const CommandRow& command, const CString& option) {
    const auto it = std::find_if(command.options.begin(), command.options.end(),
                                 [&option](const OptionRow& row) { return option == row.name; });
    return it == command.options.end() ? nullptr : &*it;
}

CString TakeOptions(Invocation& invocation, const std::vector<CString>& options) {
    bool bHelp = false;
    for (const CString& option : options) {
        const OptionRow* pOption = FindOption(*invocation.pCommand, option);
        if (!pOption && !IsHelpOption(option)) {
            return "unknown option '" + option + "' here";
        }
        if (pOption && pOption->flag) {
            invocation.*pOption->flag = true;
        }
        bHelp |= IsHelpOption(option);
    }
    if (bHelp) {
        invocation.pCommand = FindCommand("--help");
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
    switch (invocation.pCommand->operands) {
        case Operands::Files:
        case Operands::EditsThenFiles:
            return invocation.files.empty() ? "no file named" : CString();
        case Operands::OneTable:
            return invocation.files.size() == 1
                       ? CString()
                       : invocation.pCommand->name + CString(" takes one table");
        case Operands::None:
            return CString();
    }
    return CString();
}

// An option without a flag is one the command cannot do without.
CString CheckRequiredOptions(const Invocation& invocation, const std::vector<CString>& options) {
    for (const OptionRow& option : invocation.pCommand->options) {
        if (!option.flag &&
            std::find(options.begin(), options.end(), option.name) == options.end()) {
            return invocation.pCommand->name + CString(" needs ") + option.name +
                   ", the one table format";
        }
    }
    return CString();
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
    invocation.pCommand = FindCommand(args.front());
    if (!invocation.pCommand) {
        return "unknown command '" + args.front() + "'";
    }
    Words words = SplitOptions({args.begin() + 1, args.end()});
    CString strProblem = TakeOptions(invocation, words.options);
    if (strProblem.empty() && invocation.pCommand->operands == Operands::EditsThenFiles) {
        strProblem = TakeAssignments(invocation, words.operands);
    }
    if (strProblem.empty()) {
        strProblem = CheckRequiredOptions(invocation, words.options);
    }
    if (!strProblem.empty()) {
        return strProblem;
    }
    if (const auto it = std::find(words.operands.begin(), words.operands.end(), "--");
        it != words.operands.end()) {
        words.operands.erase(it);
    }
    invocation.files = std::move(words.operands);
    strProblem = CheckOperands(invocation);
    if (!strProblem.empty()) {
        return strProblem;
    }
    return invocation;
}
