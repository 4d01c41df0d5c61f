// The framework umbrella header: everything program code needs from the framework.
#pragma once
#include <windows.h>

#include "CString.h"
#include "CPoint.h"
#include "CRect.h"
#include "CGdiObject.h"
#include "CBitmap.h"
#include "CFont.h"
#include "CDC.h"
#include "CPaintDC.h"
#include "CClientDC.h"
#include "MessageMap.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "CMenu.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CStatic.h"
#include "CButton.h"
