#include "pages/fmtPropertyPage.h"

IMPLEMENT_DYNCREATE(CfmtPropertyPage, CDialog)
