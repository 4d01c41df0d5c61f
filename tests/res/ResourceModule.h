// A built executable opened as a data file, so its resources can be read as bytes
// without running any of its code.
#pragma once
#include "support/Paths.h"

#include <windows.h>

#include <string>
#include <vector>

class ResourceModule
{
public:
    // `unixPath` is where the build put the file; Wine sees the Unix root as drive Z:.
    explicit ResourceModule(const char* unixPath);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    bool IsOpen() const { return m_hModule != NULL; }
    // The US English resource `id` of `type`; empty when there is none.
    std::vector<BYTE> Load(LPCWSTR type, WORD id) const;
    // Every resource type, as numbers (the program uses no named types).
    std::vector<WORD> Types() const;
    // Every resource number of `type`.
    std::vector<WORD> Ids(LPCWSTR type) const;
    // Every language `type`/`id` exists in.
    std::vector<WORD> Languages(LPCWSTR type, WORD id) const;

private:
    HMODULE m_hModule;
};
