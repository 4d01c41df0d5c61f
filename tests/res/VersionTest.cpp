// The version resource and the application manifest.
#include "res/ResourceTest.h"
#include "res/VersionNode.h"

#include <string>

namespace
{
class VersionTest : public ResourceTest
{
};

DWORD ValueDword(const std::vector<BYTE>& value, size_t index)
{
    size_t at = index * 4;
    if (at + 4 > value.size())
        return 0xDEADBEEF;
    return value[at] | value[at + 1] << 8 | value[at + 2] << 16 | DWORD(value[at + 3]) << 24;
}

std::string Manifest(const char* architecture)
{
    std::string arch = architecture;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
           "  <assemblyIdentity version=\"1.1.0.0\" processorArchitecture=\"" +
           arch +
           "\" name=\"TintletProject.Tintlet.Tintlet.exe\" type=\"win32\"/>\r\n"
           "  <description>Tintlet screen colour picker</description>\r\n"
           "  <dependency>\r\n"
           "    <dependentAssembly>\r\n"
           "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
           "processorArchitecture=\"" +
           arch +
           "\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\r\n"
           "    </dependentAssembly>\r\n"
           "  </dependency>\r\n"
           "</assembly>\r\n";
}
} // namespace

TEST_P(VersionTest, FixedFileInfo)
{
    std::vector<BYTE> data = Resource(RT_VERSION, 1);
    VersionNode root;
    ASSERT_TRUE(ParseVersionNode(data.data(), data.size(), root));
    EXPECT_EQ(L"VS_VERSION_INFO", root.key);
    EXPECT_EQ(0, root.type);
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), root.value.size());
    EXPECT_EQ(0xFEEF04BDu, ValueDword(root.value, 0)) << "signature";
    EXPECT_EQ(0x00010000u, ValueDword(root.value, 1)) << "structure version";
    EXPECT_EQ(0x00010001u, ValueDword(root.value, 2)) << "file version 1.1";
    EXPECT_EQ(0x00000000u, ValueDword(root.value, 3)) << "file version .0.0";
    EXPECT_EQ(0x00010001u, ValueDword(root.value, 4)) << "product version 1.1";
    EXPECT_EQ(0x00000000u, ValueDword(root.value, 5)) << "product version .0.0";
    EXPECT_EQ(0x3Fu, ValueDword(root.value, 6)) << "flags mask";
    EXPECT_EQ(0u, ValueDword(root.value, 7)) << "flags";
    EXPECT_EQ(DWORD(VOS__WINDOWS32), ValueDword(root.value, 8));
    EXPECT_EQ(DWORD(VFT_APP), ValueDword(root.value, 9));
    EXPECT_EQ(DWORD(VFT2_UNKNOWN), ValueDword(root.value, 10));
    EXPECT_EQ(0u, ValueDword(root.value, 11)) << "file date";
    EXPECT_EQ(0u, ValueDword(root.value, 12)) << "file date";
}

TEST_P(VersionTest, StringsInKeyOrderAndTranslation)
{
    std::vector<BYTE> data = Resource(RT_VERSION, 1);
    VersionNode root;
    ASSERT_TRUE(ParseVersionNode(data.data(), data.size(), root));
    ASSERT_EQ(2u, root.children.size());

    const VersionNode& strings = root.children[0];
    EXPECT_EQ(L"StringFileInfo", strings.key);
    ASSERT_EQ(1u, strings.children.size());
    const VersionNode& table = strings.children[0];
    EXPECT_EQ(L"040904b0", table.key);
    const std::pair<const wchar_t*, const wchar_t*> want[] = {
        {L"CompanyName", L"TintletProject"},
        {L"FileDescription", L"Tintlet screen colour picker"},
        {L"FileVersion", L"1.1"},
        {L"InternalName", L"Tintlet"},
        {L"LegalCopyright", L"Copyright (C) 2026 The Tintlet Project"},
        {L"OriginalFilename", L"Tintlet.exe"},
        {L"ProductName", L"Tintlet"},
        {L"ProductVersion", L"1.1"},
    };
    ASSERT_EQ(8u, table.children.size());
    for (size_t i = 0; i < 8; ++i)
    {
        EXPECT_EQ(want[i].first, table.children[i].key);
        EXPECT_EQ(1, table.children[i].type) << "not text: " << i;
        EXPECT_EQ(want[i].second, table.children[i].Text());
    }

    const VersionNode& vars = root.children[1];
    EXPECT_EQ(L"VarFileInfo", vars.key);
    ASSERT_EQ(1u, vars.children.size());
    EXPECT_EQ(L"Translation", vars.children[0].key);
    EXPECT_EQ((std::vector<BYTE>{0x09, 0x04, 0xB0, 0x04}), vars.children[0].value);
}

TEST_P(VersionTest, ManifestBytes)
{
    std::vector<BYTE> data = Resource(RT_MANIFEST, 1);
    EXPECT_EQ(Manifest(GetParam().manifestArchitecture), std::string(data.begin(), data.end()));
}

INSTANTIATE_FOR_BOTH_EXES(VersionTest);
