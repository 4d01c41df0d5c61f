// The headers and import table of an executable file, read from the file itself.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class PeImage
{
public:
    // Reads the file at the Unix path `unixPath`; Valid() tells whether it parsed.
    explicit PeImage(const char* unixPath);

    bool Valid() const { return m_valid; }
    WORD Machine() const { return m_machine; }
    WORD Subsystem() const { return m_subsystem; }
    // The DLL names of the import directory, as the file spells them.
    const std::vector<std::string>& Imports() const { return m_imports; }

private:
    bool Read();
    // The file offset of relative virtual address `rva`, or 0 if no section holds it.
    size_t FileOffset(DWORD rva) const;

    std::vector<BYTE> m_file;
    std::vector<IMAGE_SECTION_HEADER> m_sections;
    WORD m_machine;
    WORD m_subsystem;
    std::vector<std::string> m_imports;
    bool m_valid;
};
