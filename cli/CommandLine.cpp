#include "cli/CommandLine.h"

#include <algorithm>
#include <optional>

#include "cli/CommandTable.h"
#include "cli/FieldCatalog.h"
#include "core/edit/MetadataValues.h"
#include "core/fields/PositiveInteger.h"

namespace {

struct Words {
    std::vector<CString> options;
    std::vector<CString> operands;
};

const OptionRow* FindOption(const CommandRow& command, const CString& option) {
    const auto it = std::find_if(command.options.begin(), command.options.end(),
                                 [&option](const OptionRow& row) { return option == row.name; });
    return it == command.options.end() ? nullptr : &*it;
}

// An option of the command that takes a value, given as "--name=VALUE": its name and value.
std::optional<Assignment> JoinedValue(const CommandRow& command, const CString& arg) {
    const std::size_t nEquals = arg.find('=');
    if (nEquals == CString::npos) {
        return std::nullopt;
    }
    const OptionRow* pOption = FindOption(command, arg.substr(0, nEquals));
    if (!pOption || !pOption->takesValue) {
        return std::nullopt;
    }
    return Assignment{arg.substr(0, nEquals), arg.substr(nEquals + 1)};
}

// Options may stand anywhere before "--"; everything after it is an operand. An option that
// takes a value takes the next word, or what follows its "=".
CString SplitOptions(const CommandRow& command, const std::vector<CString>& args, Words& rWords,
                     std::vector<Assignment>& rValues) {
    bool bOptionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const CString& arg = args[i];
        const OptionRow* pOption = bOptionsEnded ? nullptr : FindOption(command, arg);
        if (!bOptionsEnded && arg == "--") {
            bOptionsEnded = true;
            rWords.operands.push_back(arg);
        } else if (auto joined = bOptionsEnded ? std::nullopt : JoinedValue(command, arg)) {
            rValues.push_back(std::move(*joined));
        } else if (pOption && pOption->takesValue) {
            if (i + 1 == args.size()) {
                return arg + " needs a value";
            }
            rValues.push_back({arg, args[++i]});
        } else if (!bOptionsEnded && arg.size() > 1 && arg[0] == '-') {
            rWords.options.push_back(arg);
        } else {
            rWords.operands.push_back(arg);
        }
    }
    return CString();
}

bool IsHelpOption(const CString& option) {
    return option == "--help" || option == "-h";
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
    const bool bFills = invocation.bDateFromFile || invocation.OptionValue("--from-name") ||
                        invocation.OptionValue("--axml");
    return invocation.assignments.empty() && !bFills
               ? "set needs at least one FIELD=VALUE, --from-name or --date-from-file"
               : CString();
}

// The chunk named before the files of add and remove.
CString TakeKind(Invocation& invocation, std::vector<CString>& operands) {
    if (operands.empty() || operands.front() == "--") {
        return invocation.pCommand->name + CString(" needs a chunk before the files");
    }
    invocation.strKind = operands.front();
    operands.erase(operands.begin());
    return CString();
}

CString CheckOperands(const Invocation& invocation) {
    switch (invocation.pCommand->operands) {
        case Operands::Files:
        case Operands::EditsThenFiles:
        case Operands::KindThenFiles:
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

// Of the options marked oneOf (the table formats), exactly one.
CString CheckOneOf(const Invocation& invocation, const std::vector<CString>& options) {
    CString strChoices;
    int nGiven = 0;
    for (const OptionRow& option : invocation.pCommand->options) {
        if (option.oneOf) {
            strChoices += (strChoices.empty() ? "" : " or ") + CString(option.name);
            nGiven += static_cast<int>(std::count(options.begin(), options.end(), option.name));
        }
    }
    if (strChoices.empty() || nGiven == 1) {
        return CString();
    }
    return invocation.pCommand->name + CString(" needs one of ") + strChoices +
           ", the table format";
}

}  // namespace

const CString* Invocation::OptionValue(const char* pName) const {
    const auto it =
        std::find_if(optionValues.rbegin(), optionValues.rend(),
                     [pName](const Assignment& value) { return value.strName == pName; });
    return it == optionValues.rend() ? nullptr : &it->strValue;
}

CString CheckAssignment(const Assignment& assignment) {
    if (IsMetadataName(assignment.strName)) {
        return CString();
    }
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
    Words words;
    CString strProblem = SplitOptions(*invocation.pCommand, {args.begin() + 1, args.end()}, words,
                                      invocation.optionValues);
    if (strProblem.empty()) {
        strProblem = TakeOptions(invocation, words.options);
    }
    if (strProblem.empty() && invocation.pCommand->operands == Operands::EditsThenFiles) {
        strProblem = TakeAssignments(invocation, words.operands);
    }
    if (strProblem.empty() && invocation.pCommand->operands == Operands::KindThenFiles) {
        strProblem = TakeKind(invocation, words.operands);
    }
    if (strProblem.empty()) {
        strProblem = CheckOneOf(invocation, words.options);
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
