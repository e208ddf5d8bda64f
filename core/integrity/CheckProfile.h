#pragma once
// The rule sets a check can apply: the general rules, and beside them the rules of an archive's
// guidelines, which add their own to the general ones.

#include <optional>
#include <span>

#include "core/base/Types.h"

enum class CheckProfile { General, Fadgi, Ebu };

struct CheckProfileName {
    CheckProfile profile;
    const char* name;   // as the command line takes it
    const char* title;  // as the window shows it
};

// Every profile, the general one first.
std::span<const CheckProfileName> CheckProfiles();
// The profile of that name, or nothing.
std::optional<CheckProfile> CheckProfileNamed(const CString& strName);
const char* CheckProfileText(CheckProfile profile);
