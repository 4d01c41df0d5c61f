// The zip for Windows users, as unpacked by the dist.unpack set-up: the shipped program,
// within 48 KiB, version 1.1.0.0, needing only system DLLs, and a readme Notepad shows line
// by line.
#include "res/PeImage.h"
#include "res/ResourceModule.h"
#include "res/SystemDlls.h"
#include "res/VersionNode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace
{
const std::string kUnpackedExe = TINTLET_DIST_DIR "/Tintlet.exe";
const std::string kUnpackedReadme = TINTLET_DIST_DIR "/README.txt";

// A whole file's bytes; empty when it cannot be read.
std::string FileBytes(const std::string& unixPath)
{
    std::wstring wide = WindowsPath(unixPath.c_str());
    std::ifstream in(std::string(wide.begin(), wide.end()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

DWORD Dword(const std::vector<BYTE>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | DWORD(bytes[at + 3]) << 24;
}

// "a.b.c.d" from a version's two DWORDs, most significant first.
std::string VersionText(DWORD ms, DWORD ls)
{
    return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." + std::to_string(HIWORD(ls)) + "." +
           std::to_string(LOWORD(ls));
}
} // namespace

TEST(DistZipTest, HoldsTheShippedExecutable)
{
    std::string unpacked = FileBytes(kUnpackedExe);
    ASSERT_FALSE(unpacked.empty()) << kUnpackedExe;
    EXPECT_TRUE(unpacked == FileBytes(TINTLET_SHIPPED_EXE)) << "differs from " << TINTLET_SHIPPED_EXE;
}

// The program is downloaded and run as it is: it stays within 48 KiB.
TEST(DistZipTest, FitsIn48KiB)
{
    std::string unpacked = FileBytes(kUnpackedExe);
    ASSERT_FALSE(unpacked.empty()) << kUnpackedExe;
    EXPECT_LE(unpacked.size(), 49152u);
}

TEST(DistZipTest, Is32BitGuiProgram)
{
    PeImage pe(kUnpackedExe.c_str());
    ASSERT_TRUE(pe.Valid()) << kUnpackedExe;
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, pe.Machine());
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, pe.Subsystem());
}

TEST(DistZipTest, ImportsOnlySystemDlls)
{
    PeImage pe(kUnpackedExe.c_str());
    ASSERT_TRUE(pe.Valid()) << kUnpackedExe;
    EXPECT_TRUE(ImportsOnlySystemDlls(pe.Imports()));
    EXPECT_TRUE(ImportsNothingNewerThanWindows7(pe.ImportedFunctions()));
}

TEST(DistZipTest, FileAndProductVersion1100)
{
    ResourceModule module(kUnpackedExe.c_str());
    ASSERT_TRUE(module.IsOpen()) << kUnpackedExe;
    std::vector<BYTE> data = module.Load(RT_VERSION, 1);
    VersionNode root;
    ASSERT_TRUE(ParseVersionNode(data.data(), data.size(), root));
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), root.value.size());
    ASSERT_EQ(0xFEEF04BDu, Dword(root.value, offsetof(VS_FIXEDFILEINFO, dwSignature)));
    EXPECT_EQ("1.1.0.0", VersionText(Dword(root.value, offsetof(VS_FIXEDFILEINFO, dwFileVersionMS)),
                                     Dword(root.value, offsetof(VS_FIXEDFILEINFO, dwFileVersionLS))));
    EXPECT_EQ("1.1.0.0", VersionText(Dword(root.value, offsetof(VS_FIXEDFILEINFO, dwProductVersionMS)),
                                     Dword(root.value, offsetof(VS_FIXEDFILEINFO, dwProductVersionLS))));
}

TEST(DistZipTest, ReadmeHasWindowsLineEnds)
{
    std::string readme = FileBytes(kUnpackedReadme);
    ASSERT_FALSE(readme.empty()) << kUnpackedReadme;
    EXPECT_NE(std::string::npos, readme.find("Tintlet.exe"));
    size_t lines = 0;
    for (size_t at = readme.find('\n'); at != std::string::npos; at = readme.find('\n', at + 1), ++lines)
        ASSERT_TRUE(at > 0 && readme[at - 1] == '\r') << "bare line feed at byte " << at;
    EXPECT_GT(lines, 10u);
}

TEST(DistZipTest, ReadmeEndsWithTheLicence)
{
    std::string readme = FileBytes(kUnpackedReadme);
    const std::string end = "OTHER DEALINGS IN THE\r\nSOFTWARE.\r\n";
    size_t at = readme.find("\r\nMIT License\r\n\r\nCopyright (c) 2026 the Tintlet authors\r\n");
    ASSERT_NE(std::string::npos, at) << "no licence in the readme";
    EXPECT_EQ(end, readme.substr(readme.size() - end.size()));
}
