// The window wrapper. A CWnd either owns its attachment to a window (a permanent
// object: it subclassed the window and sees its messages through the message map) or
// is a temporary view made by FromHandle, deleted when the message loop goes idle.
#pragma once
#include <windows.h>

#include "MessageMap.h"

class CDC;
class CMenu;
class CString;

class CWnd
{
public:
    CWnd();
    virtual ~CWnd();

    // Wrappers
    operator HWND() const;
    HWND GetSafeHwnd() const;
    // The permanent object of hWnd, else a temporary one (NULL for NULL).
    static CWnd* FromHandle(HWND hWnd);
    // The permanent object of hWnd, or NULL.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Deletes every temporary wrapper; the message loop calls it when idle.
    static void DeleteTempMap();
    // Routes hWnd's messages through this object; the window keeps its own procedure
    // as the default processing.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window back its own procedure and forgets it.
    HWND UnsubclassWindow();
    HWND Detach();

    // Message routing
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to the PreTranslateMessage of its target and of each parent up to
    // hWndStop, stopping at the first that takes it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Dialog items and text
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgCtrlID() const;
    void GetWindowText(CString& rString) const;

    // State and geometry
    DWORD GetStyle() const;
    CWnd* GetParent() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    CWnd* ChildWindowFromPoint(POINT point) const;
    BOOL DestroyWindow();

    // Painting
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);

    // Input
    CWnd* SetCapture();

    // Menu and icons
    CMenu* GetSystemMenu(BOOL bRevert) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    // Insert-after values for SetWindowPos.
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    HWND m_hWnd;

protected:
    // Looks the message up in the message maps; unhandled messages go to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure (the one it had before it was subclassed).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();
    // A message the parent received about this control (a colour request, an owner
    // draw request); TRUE with *pResult when the control answered it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // A top-level window passes the change on to all its descendants.
    void OnSysColorChange();

    DECLARE_MESSAGE_MAP()

private:
    explicit CWnd(HWND hWndInsertAfter);
    CWnd(const CWnd&);
    void operator=(const CWnd&);

    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT nCode, UINT nID) const;

    WNDPROC m_pfnSuper; // the window's own procedure while subclassed
};
