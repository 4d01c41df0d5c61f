// The executables' headers: machine, subsystem and the DLLs they need.
#include "res/PeImage.h"
#include "res/ResourceTest.h"
#include "res/SystemDlls.h"

namespace
{
class PeImageTest : public ::testing::TestWithParam<TintletExe>
{
};
} // namespace

TEST_P(PeImageTest, MachineAndGuiSubsystem)
{
    PeImage pe(GetParam().path);
    ASSERT_TRUE(pe.Valid()) << GetParam().path;
    EXPECT_EQ(GetParam().machine, pe.Machine());
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, pe.Subsystem());
}

// Only system DLLs: the C++ and GCC runtimes are linked in, so no runtime DLL ships alongside.
// Nothing Windows 7 lacks, so that the exe loads there.
TEST_P(PeImageTest, ImportsOnlySystemDlls)
{
    PeImage pe(GetParam().path);
    ASSERT_TRUE(pe.Valid()) << GetParam().path;
    EXPECT_TRUE(ImportsOnlySystemDlls(pe.Imports()));
    EXPECT_TRUE(ImportsNothingNewerThanWindows7(pe.ImportedFunctions()));
}

INSTANTIATE_FOR_BOTH_EXES(PeImageTest);
