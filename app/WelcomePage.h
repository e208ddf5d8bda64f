#pragma once
// The page of the "empty" tab, shown while no file is open: a picture and how to open a file.
// It takes files dropped on it and does nothing with them.

#include "framework/Dialog.h"

class CWelcomePage : public CDialog {};
