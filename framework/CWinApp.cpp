#include "CWinApp.h"

#include "CDC.h"
#include "CMenu.h"
#include "CWnd.h"

#include <commctrl.h>

namespace
{
CWinApp* s_pApp;
// Handlers currently running in AfxPumpMessage; a loop nested inside one of them
// must not delete temporary wrappers that the handler may still hold.
int s_nDispatching;
} // namespace

CWinApp::CWinApp(LPCTSTR /*lpszAppName*/)
    : m_pMainWnd(NULL),
      m_hInstance(GetModuleHandleW(NULL))
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = NULL;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

// The root of the application's message map: the application object receives no
// messages, but program classes chain their maps to it.
const AFX_MSGMAP* CWinApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWinApp::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, (AFX_PMSGW)0}};
    static const AFX_MSGMAP messageMap = {NULL, &entries[0]};
    return &messageMap;
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return s_pApp ? s_pApp->m_hInstance : GetModuleHandleW(NULL);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (!FindResourceW(hInst, lpszName, lpszType) && FindResourceW(GetModuleHandleW(NULL), lpszName, lpszType))
        return GetModuleHandleW(NULL);
    return hInst;
}

BOOL AfxPumpMessage(HWND hWndStop, MSG& msg)
{
    if (!s_nDispatching && !PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        CDC::DeleteTempMap();
    }
    if (!GetMessageW(&msg, NULL, 0, 0))
        return FALSE;
    ++s_nDispatching;
    if (!CWnd::WalkPreTranslateTree(hWndStop, &msg))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    --s_nDispatching;
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPTSTR /*lpCmdLine*/, int /*nCmdShow*/)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    // The program runs its dialog inside InitInstance and answers FALSE, so the
    // process ends here without a message loop of its own.
    pApp->InitInstance();
    return 0;
}
