#include "app/FileDetailsText.h"

#include <map>

#include "core/details/AudioFacts.h"

namespace {

CString Joined(const std::map<CString, CString>& facts,
               std::initializer_list<std::pair<const char*, const char*>> parts) {
    CString strLine;
    for (const auto& [name, label] : parts) {
        const auto it = facts.find(name);
        if (it != facts.end() && !it->second.empty()) {
            strLine += (strLine.empty() ? "" : ", ") + CString(label) + it->second;
        }
    }
    return strLine.empty() ? strLine : strLine + "\n";
}

}  // namespace

CString FileDetailsText(const CChunk& root) {
    std::map<CString, CString> facts;
    for (const auto& [name, value] : FileDetails(root)) {
        facts.emplace(name, value);
    }
    const auto bits = facts.find("Bits");
    if (bits != facts.end()) {
        bits->second += " bits";
    }
    // The channels have a line of their own: a layout of many speakers fills it.
    return Joined(facts, {{"Format", ""}, {"Channels", "channels "}}) +
           Joined(
               facts,
               {{"Sample rate", ""}, {"Bits", ""}, {"Duration", "duration "}, {"Form", "form "}}) +
           Joined(facts, {{"Time reference", "time reference "}});
}
