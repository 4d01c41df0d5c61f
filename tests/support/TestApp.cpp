// The test program's application object: the program's classes find their resources
// through it, as they do in Tintlet.exe.
#include "afxwin.h"

static CWinApp theTestApp;
