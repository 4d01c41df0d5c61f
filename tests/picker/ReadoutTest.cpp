// The readout texts of a sample, checked against the worked examples a user would
// type into another program: decimal, hex, raw COLORREF, HTML and the screen point.
#include "picker/Readout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::wstring> FormatAll(COLORREF cr, POINT pt)
{
    std::vector<std::wstring> texts;
    CString strText;
    for (int i = 0; i < kReadoutCount; ++i)
    {
        FormatReadout(Readout(i), cr, pt, strText);
        texts.push_back((LPCTSTR)strText);
    }
    return texts;
}

struct Example
{
    COLORREF cr;
    POINT pt;
    const wchar_t* texts[kReadoutCount];
};

const Example kExamples[] = {
    {0x00FF8040, {100, -5}, {L"64, 128, 255", L"40, 80, FF", L"00FF8040", L"#4080FF", L"100, -5"}},
    {0x000000FF, {0, 0}, {L"255, 0, 0", L"FF, 00, 00", L"000000FF", L"#FF0000", L"0, 0"}},
    {0x00030201, {7, 9}, {L"1, 2, 3", L"01, 02, 03", L"00030201", L"#010203", L"7, 9"}},
    {CLR_INVALID, {-1024, -768}, {L"255, 255, 255", L"FF, FF, FF", L"FFFFFFFF", L"#FFFFFF", L"-1024, -768"}},
    {0x00ABCDEF, {32767, -32768}, {L"239, 205, 171", L"EF, CD, AB", L"00ABCDEF", L"#EFCDAB", L"32767, -32768"}},
};
} // namespace

TEST(Readout, WorkedExamplesGiveExactlyTheirTexts)
{
    for (const Example& ex : kExamples)
    {
        std::vector<std::wstring> texts = FormatAll(ex.cr, ex.pt);
        for (int i = 0; i < kReadoutCount; ++i)
            EXPECT_EQ(ex.texts[i], texts[i]) << "colour " << std::hex << ex.cr << ", readout " << i;
    }
}

// One string carries all five texts of a sample in turn, so a short text after a long
// one must not keep the long one's tail.
TEST(Readout, ReusedBufferKeepsNoTailOfALongerText)
{
    CString strText;
    POINT pt = {-1024, -768};
    FormatReadout(kReadoutRgbDec, CLR_INVALID, pt, strText);
    FormatReadout(kReadoutColorref, 0, pt, strText);
    EXPECT_EQ(8, strText.GetLength());
    EXPECT_STREQ(L"00000000", (LPCTSTR)strText);
    FormatReadout(kReadoutRgbHex, 0x00010203, pt, strText);
    EXPECT_STREQ(L"03, 02, 01", (LPCTSTR)strText);
}
