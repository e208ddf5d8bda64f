#include "pages/dataPropertyPage.h"

IMPLEMENT_DYNCREATE(CdataPropertyPage, CDialog)
