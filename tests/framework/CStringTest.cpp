// CString: formatting, buffer reuse, resource strings and the GetBuffer/ReleaseBuffer
// protocol.
#include "CString.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const UINT kIdShortString = 100;
const UINT kIdLongString = 101;
const UINT kIdMissingString = 999;

std::wstring Str(const CString& s)
{
    return std::wstring((LPCTSTR)s, s.GetLength());
}
} // namespace

TEST(CStringFormat, NegativeCoordinatesKeepTheirSign)
{
    CString s;
    s.Format(L"%d, %d", 100, -5);
    EXPECT_EQ(L"100, -5", Str(s));
    s.Format(L"%d, %d", -32768, -1);
    EXPECT_EQ(L"-32768, -1", Str(s));
    EXPECT_EQ(10, s.GetLength());
}

TEST(CStringFormat, ReformattingAFittingTextReusesTheBuffer)
{
    CString s;
    s.Format(L"%d, %d, %d", 255, 255, 255);
    LPCTSTR buffer = s;
    // Shorter and equal-length results, as every mouse move produces.
    for (int v = 0; v < 256; v += 17)
    {
        s.Format(L"%d, %d, %d", v, 255 - v, v / 2);
        EXPECT_EQ(buffer, (LPCTSTR)s) << v;
    }
    s.Format(L"%d, %d, %d", 200, 201, 202);
    EXPECT_EQ(buffer, (LPCTSTR)s);
    EXPECT_EQ(L"200, 201, 202", Str(s));
}

TEST(CStringFormat, LongResultsGrowTheBuffer)
{
    std::wstring piece(3000, L'x');
    CString s;
    s.Format(L"%d", 7);
    s.Format(L"<%s|%d>", piece.c_str(), -42);
    EXPECT_EQ(L"<" + piece + L"|-42>", Str(s));
    EXPECT_EQ(3000 + 6, s.GetLength());

    // A result one character longer than the buffer must not lose its last character
    // or its terminator.
    CString t;
    LPTSTR p = t.GetBuffer(5);
    ASSERT_NE(nullptr, p);
    t.ReleaseBuffer(0);
    t.Format(L"%05d", 12345);
    EXPECT_EQ(L"12345", Str(t));
    t.Format(L"%06d", 123456);
    EXPECT_EQ(L"123456", Str(t));
    EXPECT_EQ(6, lstrlenW(t));
}

TEST(CStringBasics, ConstructionCopyAndComparison)
{
    CString empty;
    EXPECT_EQ(0, empty.GetLength());
    EXPECT_EQ(0, empty.GetLength());
    ASSERT_NE(nullptr, (LPCTSTR)empty);
    EXPECT_EQ(L'\0', ((LPCTSTR)empty)[0]);

    CString fromNull((LPCTSTR)NULL);
    EXPECT_EQ(0, fromNull.GetLength());

    CString a(L"RGB (dec):");
    CString b(a);
    EXPECT_EQ(10, b.GetLength());
    EXPECT_NE((LPCTSTR)a, (LPCTSTR)b);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(a == L"RGB (dec):");
    EXPECT_TRUE(L"RGB (dec):" == a);
    EXPECT_FALSE(a == L"RGB (dec)");
    EXPECT_FALSE(a == empty);

    b = L"HTML:";
    EXPECT_EQ(L"HTML:", Str(b));
    EXPECT_EQ(L"RGB (dec):", Str(a));
    // Self-assignment, through a reference so compilers don't flag the line itself.
    const CString& same = b;
    b = same;
    EXPECT_EQ(L"HTML:", Str(b));
    // Assigning a tail of the string's own text.
    b = (LPCTSTR)b + 2;
    EXPECT_EQ(L"ML:", Str(b));
    a = empty;
    EXPECT_EQ(0, a.GetLength());
    EXPECT_TRUE(a == L"");
    EXPECT_TRUE(a == (LPCTSTR)NULL);
}

TEST(CStringBasics, GetBufferAndReleaseBuffer)
{
    CString s(L"abc");
    LPTSTR p = s.GetBuffer(64);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(L"abc", std::wstring(p));
    lstrcpyW(p, L"#4080FF");
    s.ReleaseBuffer();
    EXPECT_EQ(7, s.GetLength());
    EXPECT_EQ(L"#4080FF", Str(s));

    p = s.GetBuffer(0);
    ASSERT_NE(nullptr, p);
    s.ReleaseBuffer(3);
    EXPECT_EQ(L"#40", Str(s));
    EXPECT_EQ(3, lstrlenW(s));

    CString e;
    p = e.GetBuffer(0);
    ASSERT_NE(nullptr, p);
    e.ReleaseBuffer(-1);
    EXPECT_EQ(0, e.GetLength());

    // A window-text style fill of a fresh string.
    CString w;
    int n = GetClassNameW(GetDesktopWindow(), w.GetBuffer(256), 257);
    w.ReleaseBuffer();
    EXPECT_GT(n, 0);
    EXPECT_EQ(n, w.GetLength());
}

TEST(CStringLoad, LoadsShortAndLongResourceStrings)
{
    CString s(L"previous");
    ASSERT_TRUE(s.LoadString(kIdShortString));
    EXPECT_EQ(L"Always on &Top", Str(s));

    ASSERT_TRUE(s.LoadString(kIdLongString));
    EXPECT_GT(s.GetLength(), 256);
    std::wstring text = Str(s);
    EXPECT_EQ(0u, text.find(L"The quick brown fox"));
    EXPECT_EQ(text.size() - 1, text.rfind(L'.'));
    EXPECT_EQ((size_t)s.GetLength(), wcslen(s));
}

TEST(CStringLoad, MissingResourceEmptiesTheString)
{
    CString s(L"previous");
    EXPECT_FALSE(s.LoadString(kIdMissingString));
    EXPECT_EQ(0, s.GetLength());
}
