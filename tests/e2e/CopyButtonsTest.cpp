// The copy buttons of the real Tintlet.exe clicked with real input: what lands on the
// clipboard, read in Windows and by another X client (xclip), a double-click, the
// Enter key, and a clipboard that another program holds open.
#include "res/resource.h"
#include "support/ColourTarget.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/RealMouse.h"
#include "support/Screen.h"
#include "support/TintletProcess.h"
#include "support/XBridge.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
void PutOnClipboard(const wchar_t* text)
{
    OpenClipboard(NULL);
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wcslen(text) + 1) * 2);
    lstrcpyW((wchar_t*)GlobalLock(block), text);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

void Click(POINT pt)
{
    RealMouse::MoveTo(pt);
    RealMouse::LeftDown();
    RealMouse::LeftUp();
}

bool Responsive(HWND hwnd)
{
    DWORD_PTR result;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

// Tintlet running, with pure red sampled from the colour target.
class CopyFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.Dialog());
        for (int id = IDC_COPY_DEC; id <= IDC_COPY_HTML; ++id)
            EXPECT_FALSE(IsWindowEnabled(m_app.Item(id))) << "copy buttons start disabled";
        ASSERT_TRUE(m_app.DragFromPickerTo(m_target.BandCentre(1)));
        ASSERT_EQ(L"#FF0000", m_app.Text(IDC_HTML));
        for (int id = IDC_COPY_DEC; id <= IDC_COPY_HTML; ++id)
            EXPECT_TRUE(IsWindowEnabled(m_app.Item(id))) << "a sample enables them";
        PutOnClipboard(L"before");
    }

    // Clicks the button and waits for its text on the clipboard; returns how far one
    // copy moves the clipboard's sequence number.
    DWORD CopyStep(int idButton, const wchar_t* text)
    {
        DWORD before = GetClipboardSequenceNumber();
        Click(CentreOf(m_app.Item(idButton)));
        EXPECT_TRUE(PumpUntil([&] { return ClipboardText() == text; }, 3000)) << "no copy of " << idButton;
        return GetClipboardSequenceNumber() - before;
    }
    // The second press of a double-click on the button the pointer is over.
    void PressTwice()
    {
        RealMouse::LeftDown();
        RealMouse::LeftUp();
        RealMouse::LeftDown();
        PumpMessages(100);
    }

    TintletProcess m_app;
    ColourTarget m_target;
};
} // namespace

TEST_F(CopyFixture, ClickPutsExactlyTheReadoutOnTheClipboardForEveryClient)
{
    Click(CentreOf(m_app.Item(IDC_COPY_HTML)));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"#FF0000"; }, 3000))
        << "clipboard holds " << testing::PrintToString(ClipboardText());
    if (XBridge::Available())
    {
        ASSERT_TRUE(XBridge::Run("xclip -selection clipboard -o"));
        EXPECT_EQ("#FF0000", XBridge::Output()) << "as another X client reads it";
    }
    Click(CentreOf(m_app.Item(IDC_COPY_DEC)));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"255, 0, 0"; }, 3000));
    if (XBridge::Available())
    {
        ASSERT_TRUE(XBridge::Run("xclip -selection clipboard -o"));
        EXPECT_EQ("255, 0, 0", XBridge::Output());
    }
}

// A double-click copies twice, and the button shows pressed from its second press to
// its release.
TEST_F(CopyFixture, DoubleClickCopiesTwice)
{
    DWORD perCopy = CopyStep(IDC_COPY_HEX, L"FF, 00, 00");
    ASSERT_GT(perCopy, 0u);
    PumpMessages(GetDoubleClickTime() + 100); // the next click starts afresh

    PutOnClipboard(L"before");
    DWORD before = GetClipboardSequenceNumber();
    PressTwice();
    EXPECT_TRUE(SendMessageW(m_app.Item(IDC_COPY_HEX), BM_GETSTATE, 0, 0) & BST_PUSHED);
    RealMouse::LeftUp();
    PumpMessages(200);
    EXPECT_FALSE(SendMessageW(m_app.Item(IDC_COPY_HEX), BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(L"FF, 00, 00", ClipboardText());
    EXPECT_EQ(2 * perCopy, GetClipboardSequenceNumber() - before) << "two copies";
}

// A double-click whose second press slides off the button before its release copies
// once: released over another copy button or over no button, every button comes up
// and the clipboard keeps the first click's text.
TEST_F(CopyFixture, DoubleClickReleasedElsewhereCopiesOnce)
{
    DWORD perCopy = CopyStep(IDC_COPY_DEC, L"255, 0, 0");
    const POINT releases[] = {CentreOf(m_app.Item(IDC_COPY_HTML)), CentreOf(m_app.Item(IDC_RGB_DEC))};
    for (POINT release : releases)
    {
        PumpMessages(GetDoubleClickTime() + 100);
        PutOnClipboard(L"before");
        DWORD before = GetClipboardSequenceNumber();
        RealMouse::MoveTo(CentreOf(m_app.Item(IDC_COPY_DEC)));
        PressTwice();
        EXPECT_TRUE(SendMessageW(m_app.Item(IDC_COPY_DEC), BM_GETSTATE, 0, 0) & BST_PUSHED);
        RealMouse::MoveTo(release);
        RealMouse::LeftUp();
        PumpMessages(200);
        for (int id = IDC_COPY_DEC; id <= IDC_COPY_HTML; ++id)
            EXPECT_FALSE(SendMessageW(m_app.Item(id), BM_GETSTATE, 0, 0) & BST_PUSHED) << "button " << id;
        EXPECT_EQ(L"255, 0, 0", ClipboardText());
        EXPECT_EQ(perCopy, GetClipboardSequenceNumber() - before) << "one copy";
    }
}

// Enter on a focused copy button copies its readout and does not close the dialog.
TEST_F(CopyFixture, EnterOnAFocusedButtonCopiesAndKeepsTheDialog)
{
    HWND colorref = m_app.Item(IDC_COPY_COLORREF);
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(m_app.ThreadId(), &info);
        return info.hwndFocus;
    };
    for (int i = 0; i < 12 && focus() != colorref; ++i)
        m_app.PressKey(VK_TAB);
    ASSERT_EQ(colorref, focus()) << "Tab reaches the copy button";
    m_app.PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"000000FF"; }, 3000));
    EXPECT_FALSE(m_app.WaitForExit(300)) << "Enter did not press the default button";
}

// Another program holding the clipboard open: a click changes nothing, says nothing,
// and the dialog stays responsive; once it is closed, the next click copies.
TEST_F(CopyFixture, ClipboardHeldByAnotherProgramMakesAClickDoNothing)
{
    ASSERT_TRUE(OpenClipboard(NULL));
    DWORD sequence = GetClipboardSequenceNumber();
    Click(CentreOf(m_app.Item(IDC_COPY_HTML)));
    PumpMessages(300);
    EXPECT_EQ(sequence, GetClipboardSequenceNumber());
    EXPECT_TRUE(Responsive(m_app.Dialog()));
    EXPECT_EQ(1, m_app.VisibleWindowCount()) << "no message box";
    CloseClipboard();
    EXPECT_EQ(L"before", ClipboardText());

    Click(CentreOf(m_app.Item(IDC_COPY_HTML)));
    EXPECT_TRUE(PumpUntil([] { return ClipboardText() == L"#FF0000"; }, 3000));
}
