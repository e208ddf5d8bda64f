#include "pages/LISTPropertyPage.h"

IMPLEMENT_DYNCREATE(CLISTPropertyPage, CDialog)
