// The application object: one per program, constructed during static initialisation.
// AfxWinMain calls its InitInstance; FALSE ends the program without a message loop.
#pragma once
#include <windows.h>

#include "MessageMap.h"

class CWinApp
{
public:
    // The name is not kept: the program shows no title of its own.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    virtual BOOL InitInstance();
    // The system draws three-dimensional controls itself.
    BOOL Enable3dControls();

    CWnd* m_pMainWnd;
    HINSTANCE m_hInstance;

    DECLARE_MESSAGE_MAP()

private:
    CWinApp(const CWinApp&);
    void operator=(const CWinApp&);
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The module that holds the resource (the resource handle when none does).
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// Takes one message from the queue into msg and routes it: PreTranslateMessage up to
// hWndStop, then dispatch. When the queue is empty and no handler is running, first
// deletes the temporary wrappers. FALSE when the message was WM_QUIT.
BOOL AfxPumpMessage(HWND hWndStop, MSG& msg);
