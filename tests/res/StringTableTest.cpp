// The string table: three strings in one block, and nothing else.
#include "res/ByteReader.h"
#include "res/DialogTemplate.h"
#include "res/ResourceTest.h"

namespace
{
class StringTableTest : public ResourceTest
{
};

// The 16 counted strings of one string-table block.
std::vector<std::wstring> ReadBlock(const std::vector<BYTE>& data, bool& ok)
{
    ByteReader in(data.data(), data.size());
    std::vector<std::wstring> strings;
    for (int i = 0; i < 16; ++i)
    {
        std::wstring s;
        for (WORD n = in.Word(); n > 0 && !in.Failed(); --n)
            s += wchar_t(in.Word());
        strings.push_back(s);
    }
    ok = !in.Failed() && in.Offset() == data.size();
    return strings;
}
} // namespace

TEST_P(StringTableTest, ExactlyThreeStrings)
{
    // Strings 96 to 111 share block 7.
    EXPECT_EQ(std::vector<WORD>{7}, m_module->Ids(RT_STRING));
    bool ok = false;
    std::vector<std::wstring> block = ReadBlock(Resource(RT_STRING, 7), ok);
    ASSERT_TRUE(ok) << "malformed string block";
    for (int i = 0; i < 16; ++i)
    {
        int id = 96 + i;
        if (id == 101)
        {
            EXPECT_EQ(L"&About Tintlet...", block[i]);
            EXPECT_EQ(17u, block[i].size());
        }
        else if (id == 102)
            EXPECT_EQ(L"Always on &Top", block[i]);
        else if (id == 103)
            EXPECT_EQ(L"https://tintlet.org/", block[i]);
        else
            EXPECT_EQ(L"", block[i]) << "unexpected string " << id;
    }
}

// The home page is written twice; the two must not drift apart.
TEST_P(StringTableTest, HomePageMatchesTheAboutBoxLink)
{
    bool ok = false;
    std::vector<std::wstring> block = ReadBlock(Resource(RT_STRING, 7), ok);
    DialogTemplate about;
    ASSERT_TRUE(ParseDialogTemplate(Resource(RT_DIALOG, 100), about));
    ASSERT_TRUE(ok);
    ASSERT_EQ(4u, about.items.size());
    EXPECT_EQ(1000u, about.items[2].id);
    EXPECT_EQ(block[103 - 96], about.items[2].text.name);
}

INSTANTIATE_FOR_BOTH_EXES(StringTableTest);
