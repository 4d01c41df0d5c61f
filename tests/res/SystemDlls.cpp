#include "res/SystemDlls.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace
{
std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}
} // namespace

::testing::AssertionResult ImportsOnlySystemDlls(const std::vector<std::string>& imports)
{
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                           "shell32.dll",  "comctl32.dll", "msvcrt.dll"};
    std::set<std::string> seen;
    for (const std::string& dll : imports)
    {
        if (!allowed.count(Lower(dll)))
            return ::testing::AssertionFailure() << "imports " << dll;
        seen.insert(Lower(dll));
    }
    if (!seen.count("kernel32.dll") || !seen.count("user32.dll"))
        return ::testing::AssertionFailure() << "imports neither KERNEL32 nor USER32 (" << imports.size() << " DLLs)";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ImportsNothingNewerThanWindows7(const std::vector<std::string>& functions)
{
    const std::set<std::string> newer = {"AdjustWindowRectExForDpi",
                                         "AreDpiAwarenessContextsEqual",
                                         "EnableNonClientDpiScaling",
                                         "GetAwarenessFromDpiAwarenessContext",
                                         "GetDpiForMonitor",
                                         "GetDpiForSystem",
                                         "GetDpiForWindow",
                                         "GetProcessDpiAwareness",
                                         "GetSystemMetricsForDpi",
                                         "GetThreadDpiAwarenessContext",
                                         "GetWindowDpiAwarenessContext",
                                         "LogicalToPhysicalPointForPerMonitorDPI",
                                         "PhysicalToLogicalPointForPerMonitorDPI",
                                         "SetProcessDpiAwareness",
                                         "SetProcessDpiAwarenessContext",
                                         "SetThreadDpiAwarenessContext",
                                         "SystemParametersInfoForDpi"};
    bool bReadsPixels = false;
    for (const std::string& function : functions)
    {
        if (newer.count(function))
            return ::testing::AssertionFailure() << "imports " << function << ", which Windows 7 lacks";
        bReadsPixels = bReadsPixels || function == "GetPixel";
    }
    if (!bReadsPixels)
        return ::testing::AssertionFailure() << "GetPixel is not among the " << functions.size() << " imports read";
    return ::testing::AssertionSuccess();
}
