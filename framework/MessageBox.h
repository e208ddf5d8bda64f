#pragma once
// Every message to the user goes through here: a message box captioned "Ovalis" with an
// exclamation icon and OK, or a question with its answers. Tests redirect it to a recorder so that
// no test blocks on a modal box.

#include <functional>

#include "core/base/Types.h"

constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
// A question with the buttons Save (IDYES), Discard (IDNO) and Cancel (IDCANCEL).
constexpr UINT MB_SAVEDISCARDCANCEL = 0x0003;
constexpr UINT MB_ICONQUESTION = 0x0020;
// A question with the buttons OK (IDOK) and Cancel (IDCANCEL), Cancel the default.
constexpr UINT MB_OKCANCEL = 0x0001;
// A question with the buttons Save as typed (IDOK) and Go back (IDCANCEL), Go back the default.
constexpr UINT MB_SAVEASTYPED = 0x0004;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using MessageBoxHook = std::function<int(const CString& strText, UINT nType)>;

int AfxMessageBox(const CString& strText, UINT nType = MB_OK | MB_ICONEXCLAMATION);
// Replaces the box with pHook (an empty hook restores the box); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
