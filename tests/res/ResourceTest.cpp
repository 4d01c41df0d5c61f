#include "res/ResourceTest.h"

void ResourceTest::SetUp()
{
    m_module.reset(new ResourceModule(GetParam().path));
    ASSERT_TRUE(m_module->IsOpen()) << "cannot open " << GetParam().path;
}

std::vector<BYTE> ResourceTest::Resource(LPCWSTR type, WORD id) const
{
    std::vector<WORD> languages = m_module->Languages(type, id);
    EXPECT_EQ(std::vector<WORD>{0x0409}, languages) << "languages of resource " << id;
    std::vector<BYTE> data = m_module->Load(type, id);
    EXPECT_FALSE(data.empty()) << "resource " << id << " is missing";
    return data;
}

::testing::internal::ParamGenerator<TintletExe> BothExes()
{
    // The test build is built for the architecture of this test program's own tree.
#ifdef _WIN64
    const TintletExe testBuild{"TestBuild", TINTLET_EXE, "amd64", IMAGE_FILE_MACHINE_AMD64};
#else
    const TintletExe testBuild{"TestBuild", TINTLET_EXE, "X86", IMAGE_FILE_MACHINE_I386};
#endif
    return ::testing::Values(TintletExe{"Shipped", TINTLET_SHIPPED_EXE, "X86", IMAGE_FILE_MACHINE_I386}, testBuild);
}

std::string ExeName(const ::testing::TestParamInfo<TintletExe>& info)
{
    return info.param.name;
}

void PrintTo(const TintletExe& exe, std::ostream* os)
{
    *os << exe.name << " (" << exe.path << ")";
}
