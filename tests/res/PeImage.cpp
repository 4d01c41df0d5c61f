#include "res/PeImage.h"

#include "res/ByteReader.h"
#include "support/Paths.h"

#include <cstddef>

PeImage::PeImage(const char* unixPath)
    : m_machine(0),
      m_subsystem(0),
      m_valid(false)
{
    HANDLE hFile =
        CreateFileW(WindowsPath(unixPath).c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size;
    if (GetFileSizeEx(hFile, &size) && size.QuadPart < 64 * 1024 * 1024)
    {
        m_file.resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(hFile, m_file.data(), DWORD(m_file.size()), &read, NULL) || read != m_file.size())
            m_file.clear();
    }
    CloseHandle(hFile);
    m_valid = Read();
}

bool PeImage::Read()
{
    ByteReader in(m_file.data(), m_file.size());
    if (in.Word() != IMAGE_DOS_SIGNATURE)
        return false;
    in = ByteReader(m_file.data(), m_file.size(), offsetof(IMAGE_DOS_HEADER, e_lfanew));
    in = ByteReader(m_file.data(), m_file.size(), in.Dword());
    if (in.Dword() != IMAGE_NT_SIGNATURE)
        return false;
    m_machine = in.Word();
    WORD sectionCount = in.Word();
    in.Skip(12);
    WORD optionalSize = in.Word();
    in.Skip(2);
    size_t optional = in.Offset();
    WORD magic = in.Word();
    bool pe32plus = magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    if (!pe32plus && magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC)
        return false;
    in = ByteReader(m_file.data(), m_file.size(), optional + 68);
    m_subsystem = in.Word();
    // The directory count and the directories follow the fixed fields, 16 bytes
    // further on in PE32+ for its wider fields.
    in = ByteReader(m_file.data(), m_file.size(), optional + (pe32plus ? 108 : 92));
    DWORD directoryCount = in.Dword();
    if (directoryCount <= IMAGE_DIRECTORY_ENTRY_IMPORT)
        return false;
    in.Skip(8 * IMAGE_DIRECTORY_ENTRY_IMPORT);
    DWORD importRva = in.Dword();

    in = ByteReader(m_file.data(), m_file.size(), optional + optionalSize);
    for (WORD i = 0; i < sectionCount && !in.Failed(); ++i)
    {
        IMAGE_SECTION_HEADER section = {};
        in.Skip(IMAGE_SIZEOF_SHORT_NAME);
        section.Misc.VirtualSize = in.Dword();
        section.VirtualAddress = in.Dword();
        section.SizeOfRawData = in.Dword();
        section.PointerToRawData = in.Dword();
        in.Skip(16);
        m_sections.push_back(section);
    }
    if (in.Failed())
        return false;

    // Import descriptors, 20 bytes each, up to an all-zero one; the name RVA is the fourth field.
    for (size_t at = FileOffset(importRva); at != 0; at += sizeof(IMAGE_IMPORT_DESCRIPTOR))
    {
        in = ByteReader(m_file.data(), m_file.size(), at + 12);
        DWORD nameRva = in.Dword();
        if (in.Failed())
            return false;
        if (nameRva == 0)
            return true;
        size_t name = FileOffset(nameRva);
        if (name == 0)
            return false;
        std::string dll;
        for (; name < m_file.size() && m_file[name]; ++name)
            dll += char(m_file[name]);
        m_imports.push_back(dll);
    }
    return false;
}

size_t PeImage::FileOffset(DWORD rva) const
{
    for (const IMAGE_SECTION_HEADER& s : m_sections)
    {
        DWORD extent = s.Misc.VirtualSize ? s.Misc.VirtualSize : s.SizeOfRawData;
        if (rva >= s.VirtualAddress && rva < s.VirtualAddress + extent && rva - s.VirtualAddress < s.SizeOfRawData)
            return s.PointerToRawData + (rva - s.VirtualAddress);
    }
    return 0;
}
