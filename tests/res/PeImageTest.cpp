// The executables' headers: machine, subsystem and the DLLs they need.
#include "res/PeImage.h"
#include "res/ResourceTest.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace
{
class PeImageTest : public ::testing::TestWithParam<TintletExe>
{
};

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}
}

TEST_P(PeImageTest, MachineAndGuiSubsystem)
{
    PeImage pe(GetParam().path);
    ASSERT_TRUE(pe.Valid()) << GetParam().path;
    EXPECT_EQ(GetParam().machine, pe.Machine());
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, pe.Subsystem());
}

// Only system DLLs: the C++ and GCC runtimes are linked in, so no runtime DLL ships alongside.
TEST_P(PeImageTest, ImportsOnlySystemDlls)
{
    PeImage pe(GetParam().path);
    ASSERT_TRUE(pe.Valid()) << GetParam().path;
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "gdi32.dll",
                                           "shell32.dll",  "comctl32.dll", "msvcrt.dll"};
    ASSERT_FALSE(pe.Imports().empty());
    std::set<std::string> seen;
    for (const std::string& dll : pe.Imports())
    {
        EXPECT_EQ(1u, allowed.count(Lower(dll))) << "imports " << dll;
        seen.insert(Lower(dll));
    }
    EXPECT_EQ(1u, seen.count("kernel32.dll"));
    EXPECT_EQ(1u, seen.count("user32.dll"));
}

INSTANTIATE_FOR_BOTH_EXES(PeImageTest);
