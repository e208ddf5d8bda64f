#include "pages/UnknownPropertyPage.h"

IMPLEMENT_DYNCREATE(CUnknownPropertyPage, CDialog)
