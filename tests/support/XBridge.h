// The test programs' way out of Wine to the X server's own tools: xdotool for real
// input, xclip to read the clipboard as another X client sees it. scripts/test.sh
// starts the bridge and names its folder in TINTLET_XINPUT.
#pragma once
#include <string>

namespace XBridge
{
// Whether the bridge is there (it is not on Windows itself).
bool Available();
// Runs one xdotool or xclip command line and waits for it; true when it succeeded.
bool Run(const std::string& commandLine);
// What the last command printed.
std::string Output();
} // namespace XBridge
