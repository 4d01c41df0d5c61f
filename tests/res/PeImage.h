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
    // The functions imported by name, from every DLL.
    const std::vector<std::string>& ImportedFunctions() const { return m_functions; }

private:
    bool Read();
    // Adds the names of an import lookup table to m_functions.
    bool ReadFunctions(DWORD tableRva, bool pe32plus);
    // The zero-terminated byte string at file offset `offset`.
    std::string Ascii(size_t offset) const;
    // The file offset of relative virtual address `rva`, or 0 if no section holds it.
    size_t FileOffset(DWORD rva) const;

    std::vector<BYTE> m_file;
    std::vector<IMAGE_SECTION_HEADER> m_sections;
    WORD m_machine;
    WORD m_subsystem;
    std::vector<std::string> m_imports;
    std::vector<std::string> m_functions;
    bool m_valid;
};
