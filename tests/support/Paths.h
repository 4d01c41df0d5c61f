// Files the build made, as the Windows programs under Wine name them.
#pragma once
#include <string>

// The Windows path of a file given by its Unix path (Wine maps / to drive Z:).
std::wstring WindowsPath(const char* unixPath);
