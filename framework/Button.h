#pragma once
// A push button or group box bound to a dialog control.

#include "framework/Wnd.h"

class CButton : public CWnd {};
