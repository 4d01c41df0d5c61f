// Message maps: each class lists the messages it handles, then chains to its base
// class's map. Handlers are ordinary members; an entry keeps one as a generic member
// pointer plus a code for its real signature, and the dispatcher casts it back.
#pragma once
#include <windows.h>

class CWnd;
class CDC;
class CPoint;

typedef void (CWnd::*AFX_PMSGW)();

// The handler signatures an entry can carry.
enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_vv,   // void ()
    AfxSig_vwl,  // void (UINT, LPARAM)
    AfxSig_hv,   // HCURSOR ()
    AfxSig_vwp,  // void (UINT, CPoint)
    AfxSig_vW,   // void (CWnd*)
    AfxSig_hDu,  // HBRUSH (CDC*, UINT)
    AfxSig_uP,   // UINT (CPoint)
    AfxSig_bWuu, // BOOL (CWnd*, UINT, UINT)
    AfxSig_lwl,  // LRESULT (WPARAM, LPARAM)
};

// The 16-bit colour request; reflected colour requests of every kind use its number.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Messages a parent hands back to the child they concern arrive at this offset.
#define WM_REFLECT_BASE 0xBC00

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message
    UINT nCode;    // notification code (WM_COMMAND only)
    UINT nID;      // control identifier (WM_COMMAND only)
    UINT nSig;     // an AfxSig value; AfxSig_end closes the table
    AFX_PMSGW pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // NULL at the root
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    virtual const AFX_MSGMAP* GetMessageMap() const;

// Entries keep handlers under one generic member pointer type on purpose; the casts
// are undone, to the very same type, when a message is dispatched.
#define AFX_MSGMAP_CASTS_BEGIN _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"")
#define AFX_MSGMAP_CASTS_END   _Pragma("GCC diagnostic pop")

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    AFX_MSGMAP_CASTS_BEGIN                                                                                             \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, AfxSig_end, (AFX_PMSGW)0                                                                              \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }                                                                                                                  \
    AFX_MSGMAP_CASTS_END

#define AFX_MSG_ENTRY(msg, code, id, sig, type, fn)                                                                    \
    {msg, code, id, sig, reinterpret_cast<AFX_PMSGW>(static_cast<type>(&ThisClass::fn))},

// void OnPaint()
#define ON_WM_PAINT()         AFX_MSG_ENTRY(WM_PAINT, 0, 0, AfxSig_vv, void (CWnd::*)(), OnPaint)
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()    AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
// void OnLButtonDown(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDOWN()   AFX_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
// void OnLButtonUp(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONUP()     AFX_MSG_ENTRY(WM_LBUTTONUP, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
// void OnMouseMove(UINT nFlags, CPoint point)
#define ON_WM_MOUSEMOVE()     AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED()                                                                                         \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED, 0, 0, AfxSig_vW, void (CWnd::*)(CWnd*), OnCaptureChanged)
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, 0, 0, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor); a NULL brush lets the parent answer
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, AfxSig_hDu, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)
// void OnNcLButtonDown(UINT nHitTest, CPoint point), point in screen coordinates
#define ON_WM_NCLBUTTONDOWN()                                                                                          \
    AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
// UINT OnNcHitTest(CPoint point), point in screen coordinates
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, 0, 0, AfxSig_uP, UINT (CWnd::*)(CPoint), OnNcHitTest)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, AfxSig_bWuu, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    AFX_MSG_ENTRY(message, 0, 0, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, id, AfxSig_vv, void (CWnd::*)(), memberFxn)
