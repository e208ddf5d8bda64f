#pragma once
// The values of automation: dispatch ids, call kinds, the values passed to and from a hosted
// control, and class ids. No toolkit header, so window objects can name them anywhere.

#include <variant>

#include "core/base/Types.h"

using DISPID = long;

constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;

// A value passed to or from a control. BOOL* is the by-reference Boolean of an event argument.
using COleVariant = std::variant<std::monostate, BOOL, short, CString, BOOL*>;

// The standard 16-byte class id record.
struct CLSID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
    bool operator==(const CLSID&) const = default;
};
