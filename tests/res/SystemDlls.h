// The DLLs Tintlet.exe may import: system DLLs only, since the C++ and GCC runtimes
// are linked in and no runtime DLL ships alongside.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Success when `imports` (an import table's DLL names, in any case) holds only system
// DLLs, KERNEL32 and USER32 among them; otherwise names what is wrong.
::testing::AssertionResult ImportsOnlySystemDlls(const std::vector<std::string>& imports);
