#pragma once
// Dialog templates: what a dialog and each of its controls are, where they lie (dialog units)
// and how they start. The tables themselves live in res/.

#include <vector>

#include "core/base/Types.h"

enum class ControlKind {
    Text,     // static text
    Picture,  // static showing a bitmap resource (text holds the resource name)
    GroupBox,
    PushButton,
    Edit,
    TabControl,
    ListView,  // a table of rows and columns, its cells edited in place
    ComboBox,  // a list to pick from, or a text typed in its box
};

// Control styles.
constexpr DWORD WS_VISIBLE = 0x0001;
constexpr DWORD WS_TABSTOP = 0x0002;
constexpr DWORD WS_BORDER = 0x0004;
constexpr DWORD WS_VSCROLL = 0x0008;
constexpr DWORD ES_READONLY = 0x0010;
constexpr DWORD ES_MULTILINE = 0x0020;
constexpr DWORD ES_AUTOHSCROLL = 0x0040;
constexpr DWORD ES_WANTRETURN = 0x0080;
constexpr DWORD SS_CENTER = 0x0100;
constexpr DWORD SS_DIALOGFRAME = 0x0200;
// One line cut with "…" at its end, or in its middle as a path is; the whole text as tooltip.
constexpr DWORD SS_ENDELLIPSIS = 0x4000;
constexpr DWORD SS_PATHELLIPSIS = 0x8000;

// Dialog styles.
constexpr DWORD DS_CHILD = 0x0001;  // a child window without caption or border
constexpr DWORD DS_POPUP = 0x0002;  // a top-level window with caption and system menu
constexpr DWORD DS_VISIBLE = 0x0004;
constexpr DWORD DS_ACCEPTFILES = 0x0008;  // takes dropped files

constexpr int IDC_STATIC = -1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

struct DialogControl {
    ControlKind kind;
    int nID;
    const char* text;
    int x, y, cx, cy;  // dialog units
    DWORD style;
};

struct DialogTemplate {
    UINT nID;
    int cx, cy;  // dialog units
    const char* caption;
    const char* fontName;
    int pointSize;
    DWORD style;
    std::vector<DialogControl> controls;  // in tab order
};

// The template with this resource id, or null when there is none.
const DialogTemplate* FindDialogTemplate(UINT nID);
