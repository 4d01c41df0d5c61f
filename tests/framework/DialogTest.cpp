// CDialog's modal loop: how it ends, the PreTranslateMessage chain it runs, nested
// dialogs and their owner, and DDX_Control with the handle maps. Each dialog drives
// itself from OnInitDialog with posted messages, so nothing blocks.
#include "afxwin.h"

#include "framework/DeleteWatch.h"
#include "framework/WindowTestIds.h"
#include "support/MessageTrace.h"

#include <gtest/gtest.h>

namespace
{
CWinApp theApp;

// Posted by a test dialog to itself; its WindowProc then runs the test's next step.
const UINT kStep = WM_APP + 20;
// Logged by PreTranslateMessage probes, with the message in wParam; one per tag.
const UINT kPreTranslated = WM_APP + 30;

class CTestDialog : public CDialog
{
public:
    CTestDialog(UINT nIDTemplate = IDD_TEST_PLAIN, CWnd* pParent = NULL)
        : CDialog(nIDTemplate, pParent)
    {
    }

    CStatic m_wndLabel;
    int m_nSteps = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_LABEL, m_wndLabel);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kStep)
        {
            Step(++m_nSteps);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

    // Called for each kStep message; ends the dialog when done.
    virtual void Step(int /*nStep*/) { EndDialog(-2); }
};

TEST(DialogTest, ModalLoopEndsOnOk)
{
    struct CDialogOk : CTestDialog
    {
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(DialogTest, EscapeKeyEndsTheLoopWithCancel)
{
    struct CDialogEscape : CTestDialog
    {
        HWND m_hWndSeen = NULL;
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            m_hWndSeen = m_hWnd;
            ::PostMessageW(::GetDlgItem(m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(IsWindow(dlg.m_hWndSeen)) << "the window is destroyed after the loop";
}

TEST(DialogTest, EndDialogInOnInitDialogSkipsTheLoop)
{
    struct CDialogAtOnce : CTestDialog
    {
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            EndDialog(1234);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(1234, dlg.DoModal());
}

// A WM_CLOSE or a Cancel command sent from another thread (as "End task" or an automation
// tool clicking Close sends them) ends the loop at once, though a sent message does not
// make GetMessage return. The dialog manager posts a WM_CLOSE's Cancel command; a sent
// command runs OnCancel inside GetMessage.
TEST(DialogTest, CloseOrCancelSentFromAnotherThreadEndsTheLoopAtOnce)
{
    struct CDialogClosed : CTestDialog
    {
        UINT m_nMessage = 0;
        WPARAM m_wParam = 0;
        HANDLE m_hReturned = CreateEventW(NULL, TRUE, FALSE, NULL);
        HANDLE m_hThread = NULL;
        DWORD m_dwSentAt = 0;
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            m_hThread = CreateThread(NULL, 0, CloseFromOutside, this, 0, NULL);
            return TRUE;
        }
        static DWORD WINAPI CloseFromOutside(LPVOID pParam)
        {
            CDialogClosed* pDlg = static_cast<CDialogClosed*>(pParam);
            HWND hWnd = pDlg->m_hWnd;
            Sleep(200); // the loop waits in GetMessage by then
            pDlg->m_dwSentAt = GetTickCount();
            ::SendMessageW(hWnd, pDlg->m_nMessage, pDlg->m_wParam, 0);
            // A loop that missed its end would wait for input for ever: wake it, so that
            // the test fails on the time instead of hanging.
            if (WaitForSingleObject(pDlg->m_hReturned, 2000) == WAIT_TIMEOUT)
                ::PostMessageW(hWnd, WM_NULL, 0, 0);
            return 0;
        }
    };
    const struct
    {
        UINT message;
        WPARAM wParam;
    } sent[] = {{WM_CLOSE, 0}, {WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)}};
    for (const auto& msg : sent)
    {
        CDialogClosed dlg;
        dlg.m_nMessage = msg.message;
        dlg.m_wParam = msg.wParam;
        INT_PTR nResult = dlg.DoModal();
        DWORD dwReturnedAt = GetTickCount();
        SetEvent(dlg.m_hReturned);
        ASSERT_NE(nullptr, dlg.m_hThread);
        WaitForSingleObject(dlg.m_hThread, INFINITE);
        CloseHandle(dlg.m_hThread);
        CloseHandle(dlg.m_hReturned);
        EXPECT_EQ(IDCANCEL, nResult) << "message " << msg.message;
        EXPECT_LT(dwReturnedAt - dlg.m_dwSentAt, 100u) << "ms from message " << msg.message << " to DoModal's return";
    }
}

TEST(DialogTest, MissingTemplateFailsWithoutAWindow)
{
    struct CDialogMissing : CTestDialog
    {
        CDialogMissing()
            : CTestDialog(IDD_TEST_MISSING)
        {
        }
        bool m_bInit = false;
        BOOL OnInitDialog() override
        {
            m_bInit = true;
            EndDialog(IDOK);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.m_bInit);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

class CPreTranslateProbe : public CWnd
{
public:
    explicit CPreTranslateProbe(UINT nTag = 0)
        : m_nTag(nTag)
    {
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        AddMessage({kPreTranslated + m_nTag, posted | wparam, pMsg->wParam, 0});
        return m_bTakeX && pMsg->wParam == 'X';
    }

    UINT m_nTag;
    bool m_bTakeX = false;
};

TEST(DialogTest, PreTranslateRunsFromTheTargetUpToTheDialog)
{
    struct CDialogChain : CTestDialog
    {
        CPreTranslateProbe m_container{1};
        CPreTranslateProbe m_inner{2};

        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN || pMsg->message == kStep)
                AddMessage({kPreTranslated, posted | wparam, pMsg->message == kStep ? kStep : pMsg->wParam, 0});
            return CTestDialog::PreTranslateMessage(pMsg);
        }

        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            // A control inside a child window, two levels below the dialog.
            HWND hContainer =
                CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 60, 200, 40, m_hWnd, NULL, NULL, NULL);
            HWND hInner =
                CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, hContainer, NULL, NULL, NULL);
            m_container.SubclassWindow(hContainer);
            m_inner.SubclassWindow(hInner);
            m_container.m_bTakeX = true;
            FlushSequence();
            ::PostMessageW(hInner, WM_KEYDOWN, VK_F5, 1);
            ::PostMessageW(hInner, WM_KEYDOWN, 'X', 1);
            ::PostMessageW(m_hWnd, kStep, 0, 0);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(-2, dlg.DoModal());

    static const Message chain[] = {{kPreTranslated + 2, posted | wparam, VK_F5, 0},
                                    {kPreTranslated + 1, posted | wparam, VK_F5, 0},
                                    {kPreTranslated, posted | wparam, VK_F5, 0},
                                    // The container takes X: the dialog never sees it.
                                    {kPreTranslated + 2, posted | wparam, 'X', 0},
                                    {kPreTranslated + 1, posted | wparam, 'X', 0},
                                    // A message for the dialog itself is offered to it alone.
                                    {kPreTranslated, posted | wparam, kStep, 0},
                                    {0, 0, 0, 0}};
    OkSequence(chain, "PreTranslateMessage chain");
}

TEST(DialogTest, NestedDialogDisablesTheMainWindowWhileItRuns)
{
    struct CInner : CTestDialog
    {
        CInner()
            : CTestDialog(IDD_TEST_INNER)
        {
        }
        HWND m_hWndOwner = NULL;
        BOOL m_bOwnerEnabled = TRUE;
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            ::PostMessageW(m_hWnd, kStep, 0, 0);
            return TRUE;
        }
        void Step(int) override
        {
            m_hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
            m_bOwnerEnabled = ::IsWindowEnabled(m_hWndOwner);
            EndDialog(IDOK);
        }
    };
    struct COuter : CTestDialog
    {
        CInner m_inner;
        INT_PTR m_nInnerResult = 0;
        BOOL m_bEnabledAfter = FALSE;
        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            ::PostMessageW(m_hWnd, kStep, 0, 0);
            return TRUE;
        }
        void Step(int) override
        {
            m_nInnerResult = m_inner.DoModal();
            m_bEnabledAfter = ::IsWindowEnabled(m_hWnd);
            EndDialog(IDCANCEL);
        }
    } outer;
    theApp.m_pMainWnd = &outer;
    EXPECT_EQ(IDCANCEL, outer.DoModal());
    theApp.m_pMainWnd = NULL;

    EXPECT_EQ(IDOK, outer.m_nInnerResult);
    EXPECT_NE(nullptr, outer.m_inner.m_hWndOwner) << "owned by the main window";
    EXPECT_FALSE(outer.m_inner.m_bOwnerEnabled) << "the owner is disabled while the inner dialog runs";
    EXPECT_TRUE(outer.m_bEnabledAfter) << "and enabled again after";
}

TEST(DialogTest, DataExchangeAttachesMembersAndIdleReleasesTemporaries)
{
    struct CDialogMaps : CTestDialog
    {
        HWND m_hLabel = NULL;
        CWnd* m_pLabelFound = NULL;
        CWnd* m_pTemp = NULL;
        CWnd* m_pTempAgain = NULL;
        bool m_bTempHadHandle = false;
        bool m_bReleased = false;

        BOOL OnInitDialog() override
        {
            CTestDialog::OnInitDialog();
            m_hLabel = ::GetDlgItem(m_hWnd, IDC_TEST_LABEL);
            m_pLabelFound = CWnd::FromHandle(m_hLabel);
            m_pTemp = CWnd::FromHandle(::GetDlgItem(m_hWnd, IDC_TEST_OTHER));
            m_bTempHadHandle = m_pTemp && m_pTemp->m_hWnd == ::GetDlgItem(m_hWnd, IDC_TEST_OTHER);
            m_pTempAgain = CWnd::FromHandle(::GetDlgItem(m_hWnd, IDC_TEST_OTHER));
            WatchDelete(m_pTemp);
            // Timer messages come only when the queue is otherwise empty, so by the
            // first tick or a later one the loop has been idle.
            SetTimer(m_hWnd, 1, 10, NULL);
            return TRUE;
        }

        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_TIMER && (WatchedDeleted() || ++m_nSteps > 200))
            {
                m_bReleased = WatchedDeleted();
                KillTimer(m_hWnd, 1);
                EndDialog(IDOK);
            }
            return CTestDialog::WindowProc(message, wParam, lParam);
        }
    } dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());

    EXPECT_EQ(static_cast<CWnd*>(&dlg.m_wndLabel), dlg.m_pLabelFound) << "the member is the permanent object";
    ASSERT_NE(nullptr, dlg.m_pTemp);
    EXPECT_NE(static_cast<CWnd*>(&dlg.m_wndLabel), dlg.m_pTemp);
    EXPECT_TRUE(dlg.m_bTempHadHandle);
    EXPECT_EQ(dlg.m_pTemp, dlg.m_pTempAgain) << "one temporary per handle until idle";
    EXPECT_TRUE(dlg.m_bReleased) << "the temporary wrapper is deleted when the loop goes idle";
    EXPECT_EQ(nullptr, dlg.m_wndLabel.m_hWnd) << "destroying the dialog detaches the member";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(dlg.m_hLabel));
}
} // namespace
