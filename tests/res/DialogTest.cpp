// The two dialog templates, field by field and control by control.
#include "res/DialogTemplate.h"
#include "res/ResourceTest.h"

namespace
{
const WORD kButton = 0x0080;
const WORD kStatic = 0x0082;
const DWORD kNoId = 0xFFFFFFFF; // IDC_STATIC
const WORD kNoIcon = 0;

struct ExpectedItem
{
    DWORD id;
    WORD windowClass;
    const wchar_t* text; // used when icon is kNoIcon
    WORD icon;           // the icon resource number an icon static shows
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct ExpectedDialog
{
    WORD number;
    const wchar_t* caption;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    std::vector<ExpectedItem> items;
};

const ExpectedDialog kAbout = {100,
                               L"About Tintlet",
                               0x80C800C0,
                               0x00000080,
                               212,
                               52,
                               {
                                   {kNoId, kStatic, L"", 128, 0x50001003, 0, 10, 10, 20, 20},
                                   {kNoId, kStatic, L"Tintlet version 1.1\nCopyright (C) 2026 The Tintlet Project",
                                    kNoIcon, 0x50020080, 0, 40, 10, 125, 20},
                                   {1000, kStatic, L"https://tintlet.org/", kNoIcon, 0x50020000, 0, 40, 35, 125, 8},
                                   {1, kButton, L"OK", kNoIcon, 0x50030001, 0, 175, 10, 30, 14},
                               }};

const ExpectedDialog kPicker = {
    102,
    L"Tintlet",
    0x90CA00C4,
    0x00040000,
    172,
    175,
    {
        {kNoId, kStatic, L"Drag the tintlet over the screen to get the color.", kNoIcon, 0x50020000, 0, 5, 5, 160, 10},
        {130, kStatic, L"", 131, 0x50000003, 0x00000001, 5, 20, 20, 20},
        {1, kButton, L"Close", kNoIcon, 0x50010001, 0, 120, 25, 45, 14},
        {kNoId, kButton, L"Color", kNoIcon, 0x50000007, 0, 5, 50, 160, 100},
        {1001, kStatic, L"", kNoIcon, 0x50020000, 0, 20, 65, 130, 14},
        {kNoId, kStatic, L"RGB (dec):", kNoIcon, 0x50020002, 0, 15, 87, 42, 8},
        {1006, kStatic, L"", kNoIcon, 0x50020000, 0x00000200, 60, 85, 75, 12},
        {1002, kButton, L"", kNoIcon, 0x5001008B, 0, 135, 85, 15, 12},
        {kNoId, kStatic, L"RGB (hex):", kNoIcon, 0x50020002, 0, 15, 102, 42, 8},
        {1007, kStatic, L"", kNoIcon, 0x50020000, 0x00000200, 60, 100, 75, 12},
        {1003, kButton, L"", kNoIcon, 0x5001008B, 0, 135, 100, 15, 12},
        {kNoId, kStatic, L"COLORREF:", kNoIcon, 0x50020002, 0, 15, 117, 42, 8},
        {1008, kStatic, L"", kNoIcon, 0x50020000, 0x00000200, 60, 115, 75, 12},
        {1004, kButton, L"", kNoIcon, 0x5001008B, 0, 135, 115, 15, 12},
        {kNoId, kStatic, L"HTML:", kNoIcon, 0x50020002, 0, 15, 132, 42, 8},
        {1009, kStatic, L"", kNoIcon, 0x50020000, 0x00000200, 60, 130, 75, 12},
        {1005, kButton, L"", kNoIcon, 0x5001008B, 0, 135, 130, 15, 12},
        {kNoId, kStatic, L"Coordinates:", kNoIcon, 0x50020002, 0, 15, 157, 42, 8},
        {1010, kStatic, L"", kNoIcon, 0x50020000, 0x00000200, 60, 155, 75, 12},
    }};

class DialogTest : public ResourceTest
{
protected:
    void CheckDialog(const ExpectedDialog& want)
    {
        SCOPED_TRACE(::testing::Message() << "dialog " << want.number);
        DialogTemplate dlg;
        ASSERT_TRUE(ParseDialogTemplate(Resource(RT_DIALOG, want.number), dlg));

        EXPECT_EQ(1, dlg.version);
        EXPECT_EQ(0xFFFF, dlg.signature);
        EXPECT_EQ(0u, dlg.helpId);
        EXPECT_EQ(want.style, dlg.style);
        EXPECT_EQ(want.exStyle, dlg.exStyle);
        EXPECT_EQ(0, dlg.x);
        EXPECT_EQ(0, dlg.y);
        EXPECT_EQ(want.cx, dlg.cx);
        EXPECT_EQ(want.cy, dlg.cy);
        EXPECT_FALSE(dlg.menu.ordinal || !dlg.menu.name.empty()) << "the dialog has a menu";
        EXPECT_FALSE(dlg.windowClass.ordinal || !dlg.windowClass.name.empty()) << "not the dialog class";
        EXPECT_EQ(want.caption, dlg.caption);
        EXPECT_EQ(8, dlg.pointSize);
        EXPECT_EQ(0, dlg.weight);
        EXPECT_EQ(0, dlg.italic);
        EXPECT_EQ(DEFAULT_CHARSET, dlg.charset);
        EXPECT_EQ(L"MS Sans Serif", dlg.typeface);

        ASSERT_EQ(want.items.size(), dlg.itemCount);
        ASSERT_EQ(want.items.size(), dlg.items.size());
        for (size_t i = 0; i < want.items.size(); ++i)
        {
            SCOPED_TRACE(::testing::Message() << "control #" << i + 1);
            const ExpectedItem& w = want.items[i];
            const DialogItem& got = dlg.items[i];
            EXPECT_EQ(w.id, got.id);
            EXPECT_TRUE(got.windowClass.ordinal) << "class given by name";
            EXPECT_EQ(w.windowClass, got.windowClass.number);
            if (w.icon != kNoIcon)
            {
                EXPECT_TRUE(got.text.ordinal) << "the icon is named, not numbered";
                EXPECT_EQ(w.icon, got.text.number);
            }
            else
            {
                EXPECT_FALSE(got.text.ordinal);
                EXPECT_EQ(w.text, got.text.name);
            }
            EXPECT_EQ(w.style, got.style);
            EXPECT_EQ(w.exStyle, got.exStyle);
            EXPECT_EQ(w.x, got.x);
            EXPECT_EQ(w.y, got.y);
            EXPECT_EQ(w.cx, got.cx);
            EXPECT_EQ(w.cy, got.cy);
            EXPECT_EQ(0u, got.helpId);
            EXPECT_EQ(0, got.extraBytes);
        }
    }
};
} // namespace

TEST_P(DialogTest, AboutBoxTemplate)
{
    CheckDialog(kAbout);
}

TEST_P(DialogTest, PickerDialogTemplate)
{
    CheckDialog(kPicker);
}

// Only the five buttons are tab stops, Close first, then the copy buttons in row order.
TEST_P(DialogTest, PickerTabOrder)
{
    DialogTemplate picker;
    ASSERT_TRUE(ParseDialogTemplate(Resource(RT_DIALOG, 102), picker));
    std::vector<DWORD> stops;
    for (const DialogItem& item : picker.items)
        if (item.style & WS_TABSTOP)
            stops.push_back(item.id);
    EXPECT_EQ((std::vector<DWORD>{1, 1002, 1003, 1004, 1005}), stops);
}

INSTANTIATE_FOR_BOTH_EXES(DialogTest);
