// The main window: a fixed-size dialog with the picker slot, the colour readouts and
// a system menu that carries the topmost toggle and the About entry.
#pragma once

#include "afxwin.h"
#include "controls/ColorSwatch.h"
#include "controls/CopyButton.h"
#include "picker/Readout.h"
#include "picker/ScreenSampler.h"

class CPickerDlg : public CDialog
{
public:
    explicit CPickerDlg(CWnd* pParent = NULL);
    virtual ~CPickerDlg();

    // Applies m_bAlwaysOnTop to the window's z-order and to the menu's check mark.
    void UpdateTopmost();
    // Escape during a drag ends the drag and is consumed; otherwise the dialog
    // manager's keyboard handling.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Captures the mouse and lifts the picker out of its slot onto the cursor.
    void StartDrag();
    // Puts everything StartDrag changed back. Releasing the capture re-enters it once
    // through WM_CAPTURECHANGED, so each step sets an absolute state.
    void EndDrag();
    // Reads the screen pixel ptScreen stands for and shows it, with its physical point, in
    // the swatch and the readouts.
    void SampleAt(CPoint ptScreen);
    // Enables each copy button whose readout has text.
    void UpdateCopyButtons();
    // Puts the readout's text on the clipboard with the dialog as its owner.
    void CopyReadout(Readout readout);

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    // A press on the caption's greyed maximize button does nothing, as on Windows.
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    // BN_CLICKED from each copy button.
    void OnCopyDec();
    void OnCopyHex();
    void OnCopyColorref();
    void OnCopyHtml();
    DECLARE_MESSAGE_MAP()

    CStatic m_wndPicker;
    CColorSwatch m_wndSwatch;
    CCopyButton m_btnCopyDec;
    CCopyButton m_btnCopyHex;
    CCopyButton m_btnCopyColorref;
    CCopyButton m_btnCopyHtml;
    CScreenSampler m_sampler;
    bool m_bDragging;
    bool m_bAlwaysOnTop;
    HICON m_hIcon;
    HICON m_hSmallIcon;
    HICON m_hIconEmpty;
    HICON m_hIconPicker;
    HCURSOR m_hPickerCursor;
    HCURSOR m_hPrevCursor; // only remembered, never destroyed

private:
    // Each copy button with the readout it copies, in member order.
    struct CCopyRow
    {
        CCopyButton CPickerDlg::*pButton;
        Readout readout;
    };
    static const CCopyRow s_copyRows[4];
};

// Enables or disables a control of pDlg. The focus moves on before its holder goes
// grey, and a default button coming back gets its default look back.
void EnableControl(CDialog* pDlg, CWnd* pControl, bool bEnable);
