#pragma once
// The program's About box: a title and plain text over the program's icon. Tests redirect it to a
// recorder, as they do the message box, so that no test blocks on a modal window.

#include <functional>

#include "core/base/Types.h"

using AboutBoxHook = std::function<void(const CString& strTitle, const CString& strText)>;

void AfxAboutBox(const CString& strTitle, const CString& strText);
// Replaces the box with hook (an empty hook restores the box); returns the previous hook.
AboutBoxHook SetAboutBoxHook(AboutBoxHook hook);
