#include "picker/PickerDlg.h"

#include "about/AboutDlg.h"
#include "controls/ClipboardText.h"
#include "res/resource.h"

namespace
{
HANDLE LoadOwnImage(UINT nID, UINT type, int cxMetric, int cyMetric)
{
    return LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nID), type, GetSystemMetrics(cxMetric),
                      GetSystemMetrics(cyMetric), LR_DEFAULTCOLOR);
}
} // namespace

// The system keeps its own flags in the low four bits of a system-menu command, and
// its own commands from 0xF000 up.
static_assert((IDM_ABOUTBOX & 0xF) == 0 && IDM_ABOUTBOX < 0xF000, "IDM_ABOUTBOX must be a free system-menu command");
static_assert((IDM_ALWAYS_ON_TOP & 0xF) == 0 && IDM_ALWAYS_ON_TOP < 0xF000,
              "IDM_ALWAYS_ON_TOP must be a free system-menu command");

const CPickerDlg::CCopyRow CPickerDlg::s_copyRows[4] = {
    {&CPickerDlg::m_btnCopyDec, kReadoutRgbDec},
    {&CPickerDlg::m_btnCopyHex, kReadoutRgbHex},
    {&CPickerDlg::m_btnCopyColorref, kReadoutColorref},
    {&CPickerDlg::m_btnCopyHtml, kReadoutHtml},
};

CPickerDlg::CPickerDlg(CWnd* pParent)
    : CDialog(IDD_PICKER_DIALOG, pParent)
{
    m_hIcon = (HICON)LoadOwnImage(IDR_MAINFRAME, IMAGE_ICON, SM_CXICON, SM_CYICON);
    m_hSmallIcon = (HICON)LoadOwnImage(IDR_MAINFRAME, IMAGE_ICON, SM_CXSMICON, SM_CYSMICON);
    m_hIconEmpty = (HICON)LoadOwnImage(IDI_PICKER_EMPTY, IMAGE_ICON, SM_CXICON, SM_CYICON);
    m_hIconPicker = (HICON)LoadOwnImage(IDI_PICKER, IMAGE_ICON, SM_CXICON, SM_CYICON);
    m_hPickerCursor = (HCURSOR)LoadOwnImage(IDC_PICKER_CURSOR, IMAGE_CURSOR, SM_CXCURSOR, SM_CYCURSOR);
    m_hPrevCursor = NULL;
    m_bDragging = false;
    m_bAlwaysOnTop = true;
}

CPickerDlg::~CPickerDlg()
{
    if (m_hIcon)
        DestroyIcon(m_hIcon);
    if (m_hSmallIcon)
        DestroyIcon(m_hSmallIcon);
    if (m_hIconEmpty)
        DestroyIcon(m_hIconEmpty);
    if (m_hIconPicker)
        DestroyIcon(m_hIconPicker);
    if (m_hPickerCursor)
        DestroyCursor(m_hPickerCursor);
}

void CPickerDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SWATCH, m_wndSwatch);
    DDX_Control(pDX, IDC_PICKER, m_wndPicker);
    DDX_Control(pDX, IDC_COPY_DEC, m_btnCopyDec);
    DDX_Control(pDX, IDC_COPY_HEX, m_btnCopyHex);
    DDX_Control(pDX, IDC_COPY_COLORREF, m_btnCopyColorref);
    DDX_Control(pDX, IDC_COPY_HTML, m_btnCopyHtml);
}

BEGIN_MESSAGE_MAP(CPickerDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_MOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_BN_CLICKED(IDC_COPY_DEC, OnCopyDec)
    ON_BN_CLICKED(IDC_COPY_HEX, OnCopyHex)
    ON_BN_CLICKED(IDC_COPY_COLORREF, OnCopyColorref)
    ON_BN_CLICKED(IDC_COPY_HTML, OnCopyHtml)
END_MESSAGE_MAP()

BOOL CPickerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL)
    {
        pSysMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        pSysMenu->AppendMenu(MF_SEPARATOR);
        CString strItem;
        strItem.LoadString(IDS_ALWAYS_ON_TOP);
        pSysMenu->AppendMenu(MF_STRING, IDM_ALWAYS_ON_TOP, strItem);
        strItem.LoadString(IDS_ABOUTBOX);
        pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strItem);
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);

    // An empty well in the dialog face until the first sample.
    m_wndSwatch.SetColor(GetSysColor(COLOR_BTNFACE));

    // The images need the buttons attached, so this follows the data exchange.
    for (const CCopyRow& row : s_copyRows)
    {
        CCopyButton& button = this->*row.pButton;
        button.LoadMappedBitmaps(IDB_COPY, CCopyButton::crGlyphHighlight, CCopyButton::crGlyphFace,
                                 CCopyButton::crGlyphShadow);
        button.SizeToContent();
    }

    UpdateTopmost();
    UpdateCopyButtons();
    return TRUE;
}

void CPickerDlg::UpdateTopmost()
{
    SetWindowPos(m_bAlwaysOnTop ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL)
        pSysMenu->CheckMenuItem(IDM_ALWAYS_ON_TOP, MF_BYCOMMAND | (m_bAlwaysOnTop ? MF_CHECKED : MF_UNCHECKED));
}

void CPickerDlg::OnSysCommand(UINT nID, LPARAM /*lParam*/)
{
    switch (nID & 0xFFF0)
    {
    case IDM_ABOUTBOX:
    {
        // A fresh box for every opening, gone before the handler returns.
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        break;
    }
    case IDM_ALWAYS_ON_TOP:
        m_bAlwaysOnTop = !m_bAlwaysOnTop;
        UpdateTopmost();
        break;
    default:
        Default();
        break;
    }
}

void CPickerDlg::OnPaint()
{
    if (!IsIconic())
    {
        Default();
        return;
    }

    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);

    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    int x = (rect.Width() - cxIcon + 1) / 2;
    int y = (rect.Height() - cyIcon + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CPickerDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hSmallIcon;
}

BOOL CPickerDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_bDragging)
    {
        EndDrag();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CPickerDlg::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    // The picker static has no SS_NOTIFY, so the press comes to us; we tell by position
    // whether it was on the picker. A press during a drag (a second pointing device, or
    // injected input) belongs to that drag: starting it again would lift and sample once
    // more and could take the pipette cursor for the one to put back.
    CWnd* pChild = ChildWindowFromPoint(point);
    if (!m_bDragging && pChild != NULL && pChild->m_hWnd == m_wndPicker.m_hWnd)
    {
        StartDrag();
        ClientToScreen(&point);
        SampleAt(point);
    }
    Default();
}

void CPickerDlg::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bDragging)
    {
        ClientToScreen(&point);
        SampleAt(point);
    }
    Default();
}

void CPickerDlg::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bDragging)
        EndDrag();
    Default();
}

void CPickerDlg::OnCaptureChanged(CWnd* /*pWnd*/)
{
    if (m_bDragging)
        EndDrag();
    Default();
}

void CPickerDlg::OnNcLButtonDown(UINT nHitTest, CPoint /*point*/)
{
    // With a minimize box and no maximize box the caption shows the maximize button
    // greyed. Wine's default handling of a press there takes a window DC and returns
    // without releasing it, one DC with its region per press.
    if (nHitTest == HTMAXBUTTON && !(GetStyle() & WS_MAXIMIZEBOX))
        return;
    Default();
}

void CPickerDlg::StartDrag()
{
    m_sampler.Reset();
    SetCapture();
    m_bDragging = true;
    // While we hold the capture nobody is asked for a cursor, so this one stays on
    // over every window until EndDrag. Without a picker cursor the current one stays:
    // a null one would hide the pointer for the whole drag.
    m_hPrevCursor = m_hPickerCursor != NULL ? ::SetCursor(m_hPickerCursor) : ::GetCursor();
    m_wndPicker.SetIcon(m_hIconEmpty);
}

void CPickerDlg::EndDrag()
{
    // When another window of this thread took the capture from us, it is theirs now:
    // releasing it would end their mouse tracking too.
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    m_bDragging = false;
    ::SetCursor(m_hPrevCursor);
    m_wndPicker.SetIcon(m_hIconPicker);
}

void CPickerDlg::SampleAt(CPoint ptScreen)
{
    CScreenSampler::CSample sample = m_sampler.Sample(ptScreen);
    m_wndSwatch.SetColor(sample.cr);

    CString strText;
    for (int i = 0; i < kReadoutCount; ++i)
    {
        FormatReadout(Readout(i), sample.cr, sample.point, strText);
        SetDlgItemText(g_nReadoutIDs[i], strText);
    }
    UpdateCopyButtons();
}

void CPickerDlg::UpdateCopyButtons()
{
    CString strText;
    for (const CCopyRow& row : s_copyRows)
    {
        GetDlgItemText(g_nReadoutIDs[row.readout], strText);
        EnableControl(this, &(this->*row.pButton), strText.GetLength() != 0);
    }
}

void EnableControl(CDialog* pDlg, CWnd* pControl, bool bEnable)
{
    if (!bEnable && CWnd::FromHandle(::GetFocus()) == pControl)
        pDlg->SendMessage(WM_NEXTDLGCTL, 0, 0);
    pControl->EnableWindow(bEnable);
    DWORD dwDefID = (DWORD)pDlg->SendMessage(DM_GETDEFID, 0, 0);
    if (bEnable && HIWORD(dwDefID) != 0 && (int)LOWORD(dwDefID) == pControl->GetDlgCtrlID())
        pDlg->SendMessage(DM_SETDEFID, LOWORD(dwDefID), 0);
}

void CPickerDlg::OnCopyDec()
{
    CopyReadout(kReadoutRgbDec);
}

void CPickerDlg::OnCopyHex()
{
    CopyReadout(kReadoutRgbHex);
}

void CPickerDlg::OnCopyColorref()
{
    CopyReadout(kReadoutColorref);
}

void CPickerDlg::OnCopyHtml()
{
    CopyReadout(kReadoutHtml);
}

void CPickerDlg::CopyReadout(Readout readout)
{
    CString strText;
    GetDlgItemText(g_nReadoutIDs[readout], strText);
    CopyTextToClipboard(this, strText);
}
