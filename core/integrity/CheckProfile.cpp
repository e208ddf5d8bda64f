#include "core/integrity/CheckProfile.h"

#include <algorithm>

namespace {

constexpr CheckProfileName kProfiles[] = {
    {CheckProfile::General, "general", "General rules"},
    {CheckProfile::Fadgi, "fadgi", "FADGI Broadcast WAVE guidelines"},
    {CheckProfile::Ebu, "ebu", "EBU R 98, R 99 and Tech 3285"},
};

}  // namespace

std::span<const CheckProfileName> CheckProfiles() {
    return kProfiles;
}

std::optional<CheckProfile> CheckProfileNamed(const CString& strName) {
    const auto it =
        std::find_if(std::begin(kProfiles), std::end(kProfiles),
                     [&strName](const CheckProfileName& p) { return strName == p.name; });
    return it == std::end(kProfiles) ? std::nullopt : std::optional(it->profile);
}

const char* CheckProfileText(CheckProfile profile) {
    for (const CheckProfileName& name : kProfiles) {
        if (name.profile == profile) {
            return name.name;
        }
    }
    return kProfiles[0].name;
}
