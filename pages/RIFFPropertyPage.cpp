#include "pages/RIFFPropertyPage.h"

IMPLEMENT_DYNCREATE(CRIFFPropertyPage, CDialog)
