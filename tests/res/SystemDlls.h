// The DLLs Tintlet.exe may import: system DLLs only, since the C++ and GCC runtimes
// are linked in and no runtime DLL ships alongside.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Success when `imports` (an import table's DLL names, in any case) holds only system
// DLLs, KERNEL32 and USER32 among them; otherwise names what is wrong.
::testing::AssertionResult ImportsOnlySystemDlls(const std::vector<std::string>& imports);

// Success when `functions` (the names a program imports) holds none of the functions
// that came after Windows 7 for DPI awareness, which Tintlet must find at run time, and
// does hold GetPixel, so that an unread import table cannot pass.
::testing::AssertionResult ImportsNothingNewerThanWindows7(const std::vector<std::string>& functions);
