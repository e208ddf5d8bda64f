#pragma once
// The page of the "empty" tab, shown while no file is open: a picture and how to open a file.
// A file dropped on it reaches the main window, which opens it.

#include "framework/Dialog.h"

class CWelcomePage : public CDialog {};
