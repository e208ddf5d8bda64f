#pragma once
// The texts of the Help menu: the keys of the window's menus and of the table, and the About box.

#include <QString>

class QMenuBar;

// A line a key, "Ctrl+S: Save all", from the shortcuts of the menus' actions, then the keys of
// the table's cells.
QString KeysText(const QMenuBar& menuBar);
QString TableAboutText();
