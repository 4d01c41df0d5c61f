#include "CWnd.h"

#include "CDC.h"
#include "CMenu.h"
#include "CPoint.h"
#include "CString.h"
#include "HandleMap.h"

namespace
{
CHandleMap s_wndMap = HandleMapOf<CWnd, &CWnd::m_hWnd>();

// The message the innermost framework window procedure is handling, for Default().
// Not thread_local: the framework's windows live on one thread, as its process-wide handle
// maps assume too, and GCC's emulated thread_local on mingw-w64 would link the static
// winpthread library into the executable (some 36 KB).
MSG s_msgCur;

// Reads a window's whole text into rString; returns its length.
int ReadWindowText(HWND hWnd, CString& rString)
{
    int nLength = hWnd ? GetWindowTextLengthW(hWnd) : 0;
    LPTSTR pBuffer = rString.GetBuffer(nLength);
    if (!pBuffer)
        return 0;
    pBuffer[0] = 0;
    if (hWnd)
        GetWindowTextW(hWnd, pBuffer, nLength + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CALLBACK SendToDescendant(HWND hWnd, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    SendMessageW(hWnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
}

// Mouse positions are signed: on a multi-monitor desktop they can be negative.
CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

bool IsColorRequest(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
} // namespace

const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd()
    : m_hWnd(NULL),
      m_pfnSuper(NULL)
{
}

CWnd::CWnd(HWND hWndInsertAfter)
    : m_hWnd(hWndInsertAfter),
      m_pfnSuper(NULL)
{
}

CWnd::~CWnd()
{
    // A window still attached to its object dies with it.
    if (m_hWnd && s_wndMap.LookupPermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
}

CWnd::operator HWND() const
{
    return m_hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
    return m_hWnd;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return static_cast<CWnd*>(s_wndMap.FromHandle(hWnd));
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return static_cast<CWnd*>(s_wndMap.LookupPermanent(hWnd));
}

void CWnd::DeleteTempMap()
{
    s_wndMap.DeleteTemp();
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !IsWindow(hWnd) || s_wndMap.LookupPermanent(hWnd))
        return FALSE;
    if (!s_wndMap.SetPermanent(hWnd, this))
        return FALSE;
    m_hWnd = hWnd;
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (!m_pfnSuper)
    {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return pParent && SubclassWindow(::GetDlgItem(pParent->m_hWnd, nID));
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd && m_pfnSuper && GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(AfxWndProc))
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    return Detach();
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd && s_wndMap.LookupPermanent(hWnd) == this)
        s_wndMap.RemoveHandle(hWnd);
    m_hWnd = NULL;
    m_pfnSuper = NULL;
    return hWnd;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    return ReadWindowText(::GetDlgItem(m_hWnd, nID), rString);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const
{
    ReadWindowText(m_hWnd, rString);
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy, nFlags);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(s_msgCur.message, s_msgCur.wParam, s_msgCur.lParam);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* pResult)
{
    if (!IsColorRequest(message))
        return FALSE;
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
    return pEntry && DispatchEntry(pEntry, wParam, message - WM_CTLCOLORMSGBOX, pResult);
}

void CWnd::OnSysColorChange()
{
    if (!(GetStyle() & WS_CHILD))
        EnumChildWindows(m_hWnd, SendToDescendant, reinterpret_cast<LPARAM>(&s_msgCur));
    Default();
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    MSG msgPrev = s_msgCur;
    s_msgCur.hwnd = hWnd;
    s_msgCur.message = message;
    s_msgCur.wParam = wParam;
    s_msgCur.lParam = lParam;
    LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    // The window is gone: the object lets go of it.
    if (message == WM_NCDESTROY)
        pWnd->UnsubclassWindow();
    s_msgCur = msgPrev;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectToChild(message, wParam, lParam, pResult))
        return TRUE;
    UINT nCode = 0;
    UINT nID = 0;
    if (message == WM_COMMAND)
    {
        nCode = HIWORD(wParam);
        nID = LOWORD(wParam);
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(message, nCode, nID);
    return pEntry && DispatchEntry(pEntry, wParam, lParam, pResult);
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hWndChild;
    if (IsColorRequest(message))
        hWndChild = reinterpret_cast<HWND>(lParam);
    else if (message == WM_DRAWITEM && reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->CtlType != ODT_MENU)
        hWndChild = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem;
    else
        return FALSE;
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nMessage == message && pEntry->nCode == nCode && pEntry->nID == nID)
                return pEntry;
        }
    }
    return NULL;
}

AFX_MSGMAP_CASTS_BEGIN
BOOL CWnd::DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    switch (pEntry->nSig)
    {
    case AfxSig_vv:
        (this->*pEntry->pfn)();
        break;
    case AfxSig_vwl:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, LPARAM)>(pEntry->pfn))(static_cast<UINT>(wParam), lParam);
        break;
    case AfxSig_hv:
        result = reinterpret_cast<LRESULT>((this->*reinterpret_cast<HCURSOR (CWnd::*)()>(pEntry->pfn))());
        break;
    case AfxSig_vwp:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, CPoint)>(pEntry->pfn))(static_cast<UINT>(wParam),
                                                                             PointFromLParam(lParam));
        break;
    case AfxSig_vW:
        (this->*reinterpret_cast<void (CWnd::*)(CWnd*)>(pEntry->pfn))(FromHandle(reinterpret_cast<HWND>(lParam)));
        break;
    case AfxSig_hDu:
    {
        // Reflected colour request: wParam is the DC, lParam the kind of control.
        HBRUSH hbr = (this->*reinterpret_cast<HBRUSH (CWnd::*)(CDC*, UINT)>(pEntry->pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), static_cast<UINT>(lParam));
        if (!hbr)
            return FALSE;
        result = reinterpret_cast<LRESULT>(hbr);
        break;
    }
    case AfxSig_uP:
        result = (this->*reinterpret_cast<UINT (CWnd::*)(CPoint)>(pEntry->pfn))(PointFromLParam(lParam));
        break;
    case AfxSig_bWuu:
        result = (this->*reinterpret_cast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pEntry->pfn))(
            FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_lwl:
        result = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry->pfn))(wParam, lParam);
        break;
    default:
        return FALSE;
    }
    *pResult = result;
    return TRUE;
}

AFX_MSGMAP_CASTS_END

// The root of every window's message map.
const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

AFX_MSGMAP_CASTS_BEGIN
const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    using ThisClass = CWnd;
    static const AFX_MSGMAP_ENTRY entries[] = {ON_WM_SYSCOLORCHANGE(){0, 0, 0, AfxSig_end, (AFX_PMSGW)0}};
    static const AFX_MSGMAP messageMap = {NULL, &entries[0]};
    return &messageMap;
}
AFX_MSGMAP_CASTS_END
