#include "CDialog.h"

#include "CDataExchange.h"
#include "CWinApp.h"

namespace
{
// The dialog whose window is being created; the creation hook attaches it to the
// window before the window's first message, so its map sees WM_NCCREATE onwards.
// Not thread_local, for the reason given at the current message in CWnd.cpp.
CDialog* s_pDlgInit;
// The creation hook, removed as soon as it has attached the dialog: every window
// created while it is in place asks the server for the hook.
HHOOK s_hHookInit;
} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd),
      m_bContinueModal(FALSE),
      m_nModalResult(-1)
{
}

CDialog::~CDialog()
{
}

INT_PTR CDialog::DoModal()
{
    LPCTSTR lpszName = MAKEINTRESOURCEW(m_nIDTemplate);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
    HRSRC hResource = FindResourceW(hInst, lpszName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? LoadResource(hInst, hResource) : NULL;
    LPCDLGTEMPLATEW lpTemplate = hTemplate ? static_cast<LPCDLGTEMPLATEW>(LockResource(hTemplate)) : NULL;
    if (!lpTemplate || m_hWnd)
        return -1;

    HWND hWndOwner = GetOwnerForModal();
    m_bContinueModal = TRUE;
    m_nModalResult = -1;

    s_pDlgInit = this;
    s_hHookInit = SetWindowsHookExW(WH_CBT, CreateHookProc, NULL, GetCurrentThreadId());
    HWND hWnd = s_hHookInit ? CreateDialogIndirectParamW(hInst, lpTemplate, hWndOwner, AfxDlgProc, 0) : NULL;
    if (s_hHookInit)
    {
        UnhookWindowsHookEx(s_hHookInit);
        s_hHookInit = NULL;
    }
    s_pDlgInit = NULL;
    if (!hWnd || hWnd != m_hWnd)
    {
        if (hWnd)
            ::DestroyWindow(hWnd);
        return -1;
    }

    // EndDialog may already have run in OnInitDialog; then there is nothing to wait for.
    BOOL bEnableOwner = FALSE;
    if (m_bContinueModal)
    {
        if (hWndOwner && ::IsWindowEnabled(hWndOwner))
        {
            ::EnableWindow(hWndOwner, FALSE);
            bEnableOwner = TRUE;
        }
        if (!IsWindowVisible(m_hWnd))
            ShowWindow(SW_SHOWNORMAL);
        MSG msg;
        while (m_bContinueModal && m_hWnd)
        {
            if (!AfxPumpMessage(m_hWnd, msg))
            {
                // Leave the quit request for the loop that owns the program.
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
        }
    }

    // Re-enable the owner before the dialog goes, so activation returns to it.
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    // The loop looks at the flag only when GetMessage returns, and a sent message (a
    // command sent from another thread) does not make it return: a posted one wakes it.
    if (m_bContinueModal && m_hWnd)
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    m_bContinueModal = FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange dx(this);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/)
{
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // Everything else reaches the object through its window procedure and map.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = static_cast<CDialog*>(FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}

LRESULT CALLBACK CDialog::CreateHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // The first dialog-class window created is ours; the system may create helper
    // windows of other classes on the way.
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_CREATEWND && s_pDlgInit &&
        GetClassLongPtrW(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG))
    {
        CDialog* pDlg = s_pDlgInit;
        s_pDlgInit = NULL;
        pDlg->SubclassWindow(hWnd);
        UnhookWindowsHookEx(s_hHookInit);
        s_hHookInit = NULL;
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

HWND CDialog::GetOwnerForModal() const
{
    HWND hWndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : NULL;
    if (!hWndOwner)
    {
        CWinApp* pApp = AfxGetApp();
        CWnd* pMainWnd = pApp ? pApp->m_pMainWnd : NULL;
        if (pMainWnd && pMainWnd != this && ::IsWindow(pMainWnd->m_hWnd))
            hWndOwner = pMainWnd->m_hWnd;
    }
    // Only a top-level window can own a dialog.
    return hWndOwner ? GetAncestor(hWndOwner, GA_ROOT) : NULL;
}
