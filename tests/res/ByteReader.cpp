#include "res/ByteReader.h"

ByteReader::ByteReader(const BYTE* data, size_t size, size_t offset)
    : m_data(data),
      m_size(size),
      m_offset(offset),
      m_failed(offset > size)
{
}

BYTE ByteReader::Byte()
{
    if (m_offset + 1 > m_size)
    {
        m_failed = true;
        return 0;
    }
    return m_data[m_offset++];
}

WORD ByteReader::Word()
{
    BYTE lo = Byte();
    return WORD(lo | Byte() << 8);
}

DWORD ByteReader::Dword()
{
    WORD lo = Word();
    return lo | DWORD(Word()) << 16;
}

std::wstring ByteReader::String()
{
    std::wstring s;
    for (WORD c = Word(); c != 0 && !m_failed; c = Word())
        s += wchar_t(c);
    return s;
}

void ByteReader::Align(size_t n)
{
    Skip((n - m_offset % n) % n);
}

void ByteReader::Skip(size_t n)
{
    if (m_offset + n > m_size)
        m_failed = true;
    m_offset += n;
}
