#pragma once
// Every message to the user goes through here: a message box captioned "Ovalis" with an
// exclamation icon and OK. Tests redirect it to a recorder so that no test blocks on a modal box.

#include <functional>

#include "core/base/Types.h"

constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;

using MessageBoxHook = std::function<int(const CString& strText, UINT nType)>;

int AfxMessageBox(const CString& strText, UINT nType = MB_OK | MB_ICONEXCLAMATION);
// Replaces the box with pHook (an empty hook restores the box); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
