#pragma once
// A static text bound to a dialog control.

#include "framework/Wnd.h"

class CStatic : public CWnd {};
