// A modal dialog built from a dialog template resource. DoModal runs the framework's
// own message loop, so PreTranslateMessage sees every message for the dialog.
#pragma once
#include "CWnd.h"

class CDataExchange;

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // The EndDialog result, or -1 when the window could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal loop, which returns nResult.
    void EndDialog(int nResult);

    // Dialog-manager keyboard handling (tab, arrows, Enter, Escape).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreateHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    HWND GetOwnerForModal() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    BOOL m_bContinueModal;
    INT_PTR m_nModalResult;
};
