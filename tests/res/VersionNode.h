// One block of a version resource (VS_VERSIONINFO and everything nested in it):
// a key, an optional value and child blocks.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct VersionNode
{
    std::wstring key;
    WORD type;               // 1 text, 0 binary
    WORD valueLength;        // as stored: characters for text, bytes for binary
    std::vector<BYTE> value; // the raw value bytes
    std::vector<VersionNode> children;

    // A text value without its terminating zero.
    std::wstring Text() const;
};

// Reads the block at the start of `data`; false if the lengths don't add up.
bool ParseVersionNode(const BYTE* data, size_t size, VersionNode& out);
