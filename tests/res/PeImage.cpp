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

    // Import descriptors, 20 bytes each, up to an all-zero one: the lookup table's RVA is
    // the first field, the name RVA the fourth, the address table's RVA the fifth.
    for (size_t at = FileOffset(importRva); at != 0; at += sizeof(IMAGE_IMPORT_DESCRIPTOR))
    {
        in = ByteReader(m_file.data(), m_file.size(), at);
        DWORD lookupRva = in.Dword();
        in.Skip(8);
        DWORD nameRva = in.Dword();
        DWORD addressRva = in.Dword();
        if (in.Failed())
            return false;
        if (nameRva == 0)
            return true;
        if (FileOffset(nameRva) == 0 || !ReadFunctions(lookupRva ? lookupRva : addressRva, pe32plus))
            return false;
        m_imports.push_back(Ascii(FileOffset(nameRva)));
    }
    return false;
}

bool PeImage::ReadFunctions(DWORD tableRva, bool pe32plus)
{
    // One entry per function, up to a zero one; the top bit marks an import by ordinal,
    // else the low 31 bits are the RVA of a hint word and the name.
    size_t table = FileOffset(tableRva);
    if (table == 0)
        return false;
    ByteReader in(m_file.data(), m_file.size(), table);
    for (;;)
    {
        DWORD entry = in.Dword();
        DWORD high = pe32plus ? in.Dword() : 0;
        if (in.Failed())
            return false;
        if (entry == 0 && high == 0)
            return true;
        bool byOrdinal = pe32plus ? (high & 0x80000000) != 0 : (entry & 0x80000000) != 0;
        if (byOrdinal)
            continue;
        size_t hint = FileOffset(entry & 0x7FFFFFFF);
        if (hint == 0)
            return false;
        m_functions.push_back(Ascii(hint + 2));
    }
}

std::string PeImage::Ascii(size_t offset) const
{
    std::string text;
    for (; offset < m_file.size() && m_file[offset]; ++offset)
        text += char(m_file[offset]);
    return text;
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
