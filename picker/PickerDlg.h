// The main window: a fixed-size dialog with the picker slot, the colour readouts and
// a system menu that carries the topmost toggle and the About entry.
#pragma once

#include "afxwin.h"

class CPickerDlg : public CDialog
{
public:
    explicit CPickerDlg(CWnd* pParent = NULL);
    virtual ~CPickerDlg();

    // Applies m_bAlwaysOnTop to the window's z-order and to the menu's check mark.
    void UpdateTopmost();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // void OnSysCommand(UINT nID, LPARAM lParam)
    void OnSysCommand(UINT nID, LPARAM lParam);
    // void OnPaint()
    void OnPaint();
    // HCURSOR OnQueryDragIcon()
    HCURSOR OnQueryDragIcon();
    DECLARE_MESSAGE_MAP()

    CStatic m_wndPicker;
    bool m_bDragging;
    bool m_bAlwaysOnTop;
    HICON m_hIcon;
    HICON m_hSmallIcon;
    HICON m_hIconEmpty;
    HICON m_hIconPicker;
    HCURSOR m_hPickerCursor;
    HCURSOR m_hPrevCursor; // only remembered, never destroyed
};
