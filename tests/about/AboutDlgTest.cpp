// The About box in-process: what its data exchange binds, and that twenty openings,
// each with a fresh object, give back every GDI and USER object they made (the link's
// cursor and font among them).
#include "about/AboutDlg.h"
#include "res/resource.h"
#include "support/GuiObjects.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
CWinApp theTestApp;

// Runs `check` once the box's modal loop is going, then ends the box.
class CAboutDlgProbe : public CAboutDlg
{
public:
    using CAboutDlg::m_wndLink;
    std::function<void(CAboutDlgProbe&)> check;

protected:
    virtual BOOL OnInitDialog()
    {
        BOOL result = CAboutDlg::OnInitDialog();
        SetTimer(m_hWnd, 1, 0, RunCheck);
        return result;
    }

private:
    static void CALLBACK RunCheck(HWND hwnd, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(hwnd, id);
        CAboutDlgProbe* self = static_cast<CAboutDlgProbe*>(CWnd::FromHandlePermanent(hwnd));
        if (self->check)
            self->check(*self);
        self->EndDialog(IDABORT);
    }
};

void OpenAndPaint()
{
    CAboutDlgProbe dlg;
    dlg.check = [](CAboutDlgProbe& d) {
        RedrawWindow(d.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages(10);
    };
    dlg.DoModal();
}
} // namespace

TEST(AboutDlg, BindsTheLinkToTheTemplatesAddressAndFocusesOk)
{
    CAboutDlgProbe dlg;
    bool ran = false;
    dlg.check = [&](CAboutDlgProbe& d) {
        ran = true;
        HWND link = GetDlgItem(d.m_hWnd, IDC_LINK);
        EXPECT_EQ(link, d.m_wndLink.m_hWnd);
        EXPECT_EQ(&d.m_wndLink, CWnd::FromHandlePermanent(link));
        CString text, address;
        d.m_wndLink.GetWindowText(text);
        address.LoadString(IDS_HOMEPAGE);
        EXPECT_NE(0, text.GetLength());
        EXPECT_TRUE(text == address);
        EXPECT_EQ(GetDlgItem(d.m_hWnd, IDOK), GetFocus());
        // The other statics stay plain windows of their own class.
        EXPECT_EQ(NULL, CWnd::FromHandlePermanent(GetWindow(d.m_hWnd, GW_CHILD)));
    };
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_TRUE(ran);
    EXPECT_EQ(NULL, dlg.m_wndLink.m_hWnd);
}

TEST(AboutDlg, TwentyOpeningsLeaveTheGdiAndUserObjectCountsUnchanged)
{
    OpenAndPaint();
    PumpMessages(50);
    GuiObjectCounts before = CountGuiObjects();
    ASSERT_GE(before.gdi, 0);
    ASSERT_GE(before.user, 0);
    for (int i = 0; i < 20; ++i)
        OpenAndPaint();
    PumpMessages(50);
    GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(before.gdi, after.gdi) << "GDI objects";
    EXPECT_EQ(before.user, after.user) << "USER objects";
}
