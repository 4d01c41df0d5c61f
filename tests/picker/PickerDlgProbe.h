// The picker dialog opened up for in-process tests: its members are visible, and a
// test hands it checks that run inside its own modal loop, which then ends.
#pragma once

#include "picker/PickerDlg.h"

#include <functional>

class CPickerDlgProbe : public CPickerDlg
{
public:
    using CPickerDlg::m_bAlwaysOnTop;
    using CPickerDlg::m_bDragging;
    using CPickerDlg::m_btnCopyColorref;
    using CPickerDlg::m_btnCopyDec;
    using CPickerDlg::m_btnCopyHex;
    using CPickerDlg::m_btnCopyHtml;
    using CPickerDlg::m_hIcon;
    using CPickerDlg::m_hIconEmpty;
    using CPickerDlg::m_hIconPicker;
    using CPickerDlg::m_hPickerCursor;
    using CPickerDlg::m_hPrevCursor;
    using CPickerDlg::m_hSmallIcon;
    using CPickerDlg::m_wndPicker;
    using CPickerDlg::SampleAt;

    std::function<void(CPickerDlgProbe&)> beforeInit; // runs before the dialog's own set-up
    std::function<void(CPickerDlgProbe&)> check;      // runs once the modal loop is going
    int cancelCount = 0;                              // times the dialog chose to close itself

protected:
    virtual BOOL OnInitDialog()
    {
        if (beforeInit)
            beforeInit(*this);
        BOOL result = CPickerDlg::OnInitDialog();
        SetTimer(m_hWnd, 1, 0, RunCheck);
        return result;
    }

    virtual void OnCancel()
    {
        ++cancelCount;
        CPickerDlg::OnCancel();
    }

private:
    static void CALLBACK RunCheck(HWND hwnd, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(hwnd, id);
        CPickerDlgProbe* self = static_cast<CPickerDlgProbe*>(CWnd::FromHandlePermanent(hwnd));
        if (self->check)
            self->check(*self);
        self->EndDialog(IDABORT);
    }
};
