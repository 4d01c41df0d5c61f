// The framework umbrella header: everything program code needs from the framework.
#pragma once
#include <windows.h>

#include "CBitmap.h"
#include "CButton.h"
#include "CClientDC.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CFont.h"
#include "CGdiObject.h"
#include "CMenu.h"
#include "CPaintDC.h"
#include "CPoint.h"
#include "CRect.h"
#include "CStatic.h"
#include "CString.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "MessageMap.h"
