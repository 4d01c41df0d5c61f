// The one way the program puts text on the clipboard: the text as CF_UNICODETEXT and
// nothing else, replacing whatever the clipboard held.
#pragma once

#include "afxwin.h"

// Copies strText with pOwner's window as the clipboard owner. Fails silently (the
// clipboard busy in another program, no memory); true when the text was placed.
bool CopyTextToClipboard(CWnd* pOwner, const CString& strText);
